#include "core/informatics_tasks.h"

#include <algorithm>
#include <array>

namespace restomer {
namespace {

constexpr std::array<InformaticsLevel, 5> kLevels = {{
    {1, 2, false, 9, 20, true, "две монети без 1: кога алчният начин не може да плати"},
    {2, 3, true, 12, 30, true, "три монети с 1, алчният начин понякога греши"},
    {3, 4, true, 25, 60, true, "четири монети с 1"},
    {4, 5, true, 50, 100, false, "пет монети, и такива, при които алчният начин не греши"},
    {5, 6, true, 100, 200, false, "шест монети и цялата таблица"},
}};

// Whether greedy pays `amount` with the fewest pieces the table finds.
bool GreedyMatches(const Coins& coins, std::int64_t amount, const FewestTable& table) {
  const std::optional<Payment> greedy = Greedy(coins, amount);
  return greedy && greedy->Pieces() == table.fewest[static_cast<std::size_t>(amount)];
}

}  // namespace

std::span<const InformaticsLevel> InformaticsLevels() { return kLevels; }

const InformaticsLevel* FindInformaticsLevel(int number) {
  for (const InformaticsLevel& level : kLevels) {
    if (level.number == number) return &level;
  }
  return nullptr;
}

Coins InformaticsTasks::NextSystem() {
  if (!system_.empty()) return system_;
  for (;;) {
    Coins coins = level_.with_one ? Coins{1} : Coins{};
    while (static_cast<int>(coins.size()) < level_.coins) {
      const auto coin = static_cast<std::int64_t>(2 + numbers_.Below(level_.largest - 1));
      if (std::find(coins.begin(), coins.end(), coin) == coins.end()) coins.push_back(coin);
    }
    std::sort(coins.rbegin(), coins.rend());
    if (!level_.greedy_must_fail) return coins;
    const std::optional<std::int64_t> fails = JudgeGreedy(coins).counterexample;
    if (fails && *fails <= level_.amount) return coins;
  }
}

std::int64_t InformaticsTasks::AmountBound(const Coins& coins) const {
  // A lesson's coins may be larger than the level's amounts: up to the sum
  // of its two largest coins, greedy's first failure is among them, and the
  // largest coin at least can be paid.
  if (system_.empty()) return level_.amount;
  return std::max(level_.amount, coins.size() == 1 ? coins[0] : coins[0] + coins[1]);
}

std::int64_t InformaticsTasks::NextAmount(const Coins& coins, const FewestTable& table) {
  // Every other amount is one where greedy is not the fewest, when there is
  // one; the others are any amount the coins can pay.
  std::vector<std::int64_t> failing, payable;
  for (std::int64_t amount = 1; amount < static_cast<std::int64_t>(table.fewest.size()); ++amount) {
    if (table.fewest[static_cast<std::size_t>(amount)] < 0) continue;
    payable.push_back(amount);
    if (!GreedyMatches(coins, amount, table)) failing.push_back(amount);
  }
  const std::vector<std::int64_t>& from =
      !failing.empty() && numbers_.Below(2) == 0 ? failing : payable;
  return from[numbers_.Below(from.size())];
}

InformaticsTask InformaticsTasks::Next() {
  InformaticsTask task;
  task.coins = NextSystem();
  task.amount = NextAmount(task.coins, FewestUpTo(task.coins, AmountBound(task.coins)));
  task.question = ++asked_ % 2 == 1 ? InformaticsTask::Question::kFewest
                                    : InformaticsTask::Question::kIsGreedyFewest;
  return task;
}

bool IsFewest(const InformaticsTask& task, const std::vector<std::int64_t>& counts) {
  if (counts.size() != task.coins.size()) return false;
  std::int64_t paid = 0, pieces = 0;
  for (std::size_t k = 0; k < counts.size(); ++k) {
    if (counts[k] < 0 || counts[k] > task.amount) return false;
    paid += counts[k] * task.coins[k];
    pieces += counts[k];
  }
  const FewestTable table = FewestUpTo(task.coins, task.amount);
  return paid == task.amount && pieces == table.fewest[static_cast<std::size_t>(task.amount)];
}

bool GreedyIsFewest(const InformaticsTask& task) {
  return GreedyMatches(task.coins, task.amount, FewestUpTo(task.coins, task.amount));
}

}  // namespace restomer
