// Greedy against the fewest over any coin system: the fewest checked
// against a search of its own, the smallest amount where greedy fails, and
// the coins a class types.
#include "core/coin_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

#include "core/coin_wording.h"
#include "core/conversions.h"
#include "core/count_up.h"
#include "core/currency.h"
#include "core/informatics_tasks.h"

namespace restomer {
namespace {

const Coins kLevHundredths = {10000, 5000, 2000, 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1};
const Coins kEuroHundredths = {50000, 20000, 10000, 5000, 2000, 1000, 500, 200,
                               100,   50,    20,    10,   5,    2,    1};

TEST(CoinSystem, TheSmallestAmountWhereGreedyFails) {
  const struct {
    const char* name;
    Coins coins;
    std::optional<std::int64_t> counterexample;
    bool proven;
  } systems[] = {
      {"1 3 4", {4, 3, 1}, 6, true},
      {"1 5 12", {12, 5, 1}, 15, true},
      {"the old pence", {60, 48, 24, 12, 6, 2, 1}, 96, true},
      {"US cents", {25, 10, 5, 1}, std::nullopt, true},
      {"the lev", kLevHundredths, std::nullopt, true},
      {"the euro", kEuroHundredths, std::nullopt, true},
      {"one coin", {7}, std::nullopt, true},
      {"3 and 4: greedy cannot pay 6", {4, 3}, 6, false},
      {"3 and 5", {5, 3}, 6, false},
      {"2 and 4: odd amounts are never paid", {4, 2}, std::nullopt, false},
  };
  for (const auto& system : systems) {
    SCOPED_TRACE(system.name);
    const GreedyVerdict verdict = JudgeGreedy(system.coins);
    EXPECT_EQ(verdict.counterexample, system.counterexample);
    EXPECT_EQ(verdict.proven, system.proven);
  }
}

// The fewest pieces of every amount up to `largest`, by a search of the
// amounts reached with one piece more at each step: -1 where none pays.
std::vector<int> SearchedFewest(const Coins& coins, int largest) {
  std::vector<int> fewest(largest + 1, -1);
  fewest[0] = 0;
  std::set<int> reached = {0};
  for (int pieces = 1; !reached.empty(); ++pieces) {
    std::set<int> next;
    for (int amount : reached) {
      for (std::int64_t coin : coins) {
        const auto to = static_cast<int>(amount + coin);
        if (to <= largest && fewest[to] < 0) {
          fewest[to] = pieces;
          next.insert(to);
        }
      }
    }
    reached = next;
  }
  return fewest;
}

TEST(CoinSystem, TheFewestIsExactAndTheBoundFindsTheFirstFailure) {
  constexpr int kLargest = 200;
  std::mt19937 random(2026);
  for (int system = 0; system < 300; ++system) {
    std::set<std::int64_t> values;
    const int size = std::uniform_int_distribution(1, 6)(random);
    if (system % 2 == 0) values.insert(1);
    while (static_cast<int>(values.size()) < size) {
      values.insert(std::uniform_int_distribution(1, 40)(random));
    }
    const Coins coins(values.rbegin(), values.rend());
    SCOPED_TRACE(::testing::PrintToString(coins));
    const std::vector<int> searched = SearchedFewest(coins, kLargest);
    const FewestTable table = FewestUpTo(coins, kLargest);
    std::optional<std::int64_t> first_failure;
    for (int amount = 0; amount <= kLargest; ++amount) {
      ASSERT_EQ(table.fewest[amount], searched[amount]) << amount;
      const std::optional<Payment> fewest = table.PaymentOf(amount);
      ASSERT_EQ(fewest.has_value(), searched[amount] >= 0);
      const std::optional<Payment> greedy = Greedy(coins, amount);
      for (const std::optional<Payment>& way : {fewest, greedy}) {
        if (!way) continue;
        std::int64_t paid = 0;
        for (const auto& [value, count] : way->counts) paid += value * count;
        ASSERT_EQ(paid, amount);
        ASSERT_EQ(way->Sum(), amount);
        // The count-up starts at 7, adds the smallest coins first and
        // reaches 7 + the amount.
        std::int64_t reached = 7, last_value = 0;
        for (const CountUpStep& step : CountUpOf(*way, 7)) {
          ASSERT_EQ(step.sum, reached);
          ASSERT_GT(step.value, last_value);
          reached += step.count * step.value;
          last_value = step.value;
        }
        ASSERT_EQ(reached, 7 + amount);
      }
      if (!fewest) continue;
      ASSERT_EQ(fewest->Pieces(), searched[amount]);
      if (greedy) {
        ASSERT_LE(fewest->Pieces(), greedy->Pieces());
      }
      if (!first_failure && (!greedy || greedy->Pieces() > fewest->Pieces())) {
        first_failure = amount;
      }
    }
    // The bound for these coins (their two largest summed) is below 200:
    // the verdict's counterexample is the first failure found here.
    const GreedyVerdict verdict = JudgeGreedy(coins);
    if (verdict.proven || first_failure) {
      EXPECT_EQ(verdict.counterexample, first_failure);
    }
  }
}

TEST(CoinSystem, ReadsTheCoinsAClassTypes) {
  const struct {
    const char* text;
    Coins coins;
    const char* error;  // a part of it
  } cases[] = {
      {"4 3 1", {4, 3, 1}, ""},
      {" 1, 12;5 ", {12, 5, 1}, ""},
      {"", {}, "Няма монети"},
      {"4 0 1", {}, "„0“ не е стойност на монета"},
      {"4 -3", {}, "„-3“ не е стойност"},
      {"4 три", {}, "„три“ не е стойност"},
      {"2.5", {}, "„2.5“ не е стойност"},
      {"1000001", {}, "от 1 до 1000000"},
      {"99999999999999999999", {}, "не е стойност"},
      {"1 3 3", {}, "Монетата 3 е дадена два пъти."},
      {"1000000 999999", {}, "стига до сумата 1999999, а най-много е 1000000."},
      {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16", {}, "най-много 15, а са дадени 16"},
  };
  for (const auto& c : cases) {
    const CoinsRead read = ReadCoins(c.text);
    EXPECT_EQ(read.coins, c.coins) << c.text;
    EXPECT_NE(read.error.find(c.error), std::string::npos) << c.text << ": " << read.error;
    EXPECT_EQ(read.error.empty(), std::string(c.error).empty()) << c.text;
  }
}

// The named lev and euro are the currencies' own denominations, and their
// count-up reads as the demonstration's does.
TEST(CoinSystem, TheLevAndTheEuroAsTheWindowCountsThem) {
  const std::vector<NamedCoins>& named = NamedCoinSystems();
  for (const Currency* currency : {&kLev, &kEuro}) {
    const auto system = std::find_if(named.begin(), named.end(), [&](const NamedCoins& coins) {
      return coins.name == currency->bulgarian_name;
    });
    ASSERT_NE(system, named.end()) << currency->name;
    Coins captions;
    for (const char* caption : currency->captions) {
      captions.push_back(std::llround(ParseAmount(caption) * 100));
    }
    EXPECT_EQ(system->coins, captions);
  }
  const RegionalSettings bulgarian{","};
  EXPECT_EQ(CountUpFromZero(*Greedy(named[0].coins, 72), named[0].unit, bulgarian),
            (std::vector<std::string>{
                "Към сумата: 0,00 добавям: 1*0,02 лв.", "Към сумата: 0,02 добавям: 1*0,2 лв.",
                "Към сумата: 0,22 добавям: 1*0,5 лв.", "Натрупаната сума е равна на 0,72"}));
}

}  // namespace
}  // namespace restomer

namespace restomer {
namespace {

// The counts of a payment, one for each coin of `coins`.
std::vector<std::int64_t> CountsOf(const Coins& coins, const Payment& payment) {
  std::vector<std::int64_t> counts(coins.size());
  for (const auto& [value, count] : payment.counts) {
    counts[std::find(coins.begin(), coins.end(), value) - coins.begin()] = count;
  }
  return counts;
}

// Each level's tasks are of its kind, the same for a seed, and checked by
// the fewest: greedy's counts are right exactly where greedy is the fewest.
TEST(CoinSystem, InformaticsTasksOfEachLevel) {
  for (const InformaticsLevel& level : InformaticsLevels()) {
    SCOPED_TRACE(level.number);
    InformaticsTasks tasks(2026, level), again(2026, level);
    int failing = 0;
    for (int k = 0; k < 40; ++k) {
      const InformaticsTask task = tasks.Next();
      ASSERT_EQ(task, again.Next()) << "the same seed, the same tasks";
      ASSERT_EQ(static_cast<int>(task.coins.size()), level.coins);
      EXPECT_TRUE(std::is_sorted(task.coins.rbegin(), task.coins.rend()));
      EXPECT_EQ(task.coins.back() == 1, level.with_one);
      EXPECT_LE(task.coins.front(), level.largest);
      ASSERT_TRUE(task.amount >= 1 && task.amount <= level.amount);
      EXPECT_EQ(task.question, k % 2 == 0 ? InformaticsTask::Question::kFewest
                                          : InformaticsTask::Question::kIsGreedyFewest);
      if (level.greedy_must_fail) {
        const std::optional<std::int64_t> fails = JudgeGreedy(task.coins).counterexample;
        ASSERT_TRUE(fails.has_value());
        EXPECT_LE(*fails, level.amount);
      }
      const std::optional<Payment> fewest =
          FewestUpTo(task.coins, task.amount).PaymentOf(task.amount);
      ASSERT_TRUE(fewest.has_value()) << "every amount asked can be paid";
      EXPECT_TRUE(IsFewest(task, CountsOf(task.coins, *fewest)));
      const std::optional<Payment> greedy = Greedy(task.coins, task.amount);
      const bool greedyRight = greedy && IsFewest(task, CountsOf(task.coins, *greedy));
      EXPECT_EQ(greedyRight, GreedyIsFewest(task));
      failing += !greedyRight;
    }
    EXPECT_GE(failing, level.greedy_must_fail ? 10 : 1) << "amounts where greedy fails are asked";
  }
  const InformaticsTask task{{4, 3, 1}, 6, InformaticsTask::Question::kFewest};
  EXPECT_TRUE(IsFewest(task, {0, 2, 0}));
  EXPECT_FALSE(IsFewest(task, {1, 0, 2})) << "greedy's three pieces";
  EXPECT_FALSE(IsFewest(task, {0, 1, 0})) << "pays 3";
  EXPECT_FALSE(IsFewest(task, {0, 2})) << "a count missing";
  EXPECT_FALSE(IsFewest(task, {-1, 3, 1})) << "a negative count";
  EXPECT_EQ(FindInformaticsLevel(6), nullptr);
}

}  // namespace
}  // namespace restomer
