#include "core/coin_system.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace restomer {
namespace {

std::string BadValue(std::string_view word) {
  return "„" + std::string(word) + "“ не е стойност на монета: цяло число от 1 до " +
         std::to_string(kLargestAmount) + ".";
}

// The words of `text` between blanks and commas.
std::vector<std::string_view> WordsOf(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = text.find_first_not_of(" \t,;", at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(text.find_first_of(" \t,;", start), text.size());
    words.push_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}

}  // namespace

CoinsRead ReadCoins(std::string_view text) {
  const std::vector<std::string_view> words = WordsOf(text);
  if (words.empty()) return {{}, "Няма монети: напишете стойностите им, например „4 3 1“."};
  if (words.size() > kMostCoins) {
    return {{},
            "Монетите са най-много " + std::to_string(kMostCoins) + ", а са дадени " +
                std::to_string(words.size()) + "."};
  }
  Coins coins;
  for (std::string_view word : words) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < 1 ||
        value > kLargestAmount) {
      return {{}, BadValue(word)};
    }
    if (std::find(coins.begin(), coins.end(), value) != coins.end()) {
      return {{}, "Монетата " + std::to_string(value) + " е дадена два пъти."};
    }
    coins.push_back(value);
  }
  std::sort(coins.rbegin(), coins.rend());
  if (const std::int64_t bound = GreedyCheckBound(coins); bound > kLargestAmount) {
    return {{},
            "Проверката на тези монети стига до сумата " + std::to_string(bound) +
                ", а най-много е " + std::to_string(kLargestAmount) + "."};
  }
  return {coins, ""};
}

std::string CoinsText(const Coins& coins) {
  std::string text;
  for (std::int64_t value : coins) text += (text.empty() ? "" : " ") + std::to_string(value);
  return text;
}

std::int64_t Payment::Pieces() const {
  std::int64_t pieces = 0;
  for (const auto& [value, count] : counts) pieces += count;
  return pieces;
}

std::int64_t Payment::Sum() const {
  std::int64_t sum = 0;
  for (const auto& [value, count] : counts) sum += value * count;
  return sum;
}

std::optional<Payment> Greedy(const Coins& coins, std::int64_t amount) {
  Payment payment;
  for (std::int64_t value : coins) {
    if (amount >= value) {
      payment.counts.emplace_back(value, amount / value);
      amount %= value;
    }
  }
  if (amount != 0) return std::nullopt;
  return payment;
}

FewestTable FewestUpTo(const Coins& coins, std::int64_t amount) {
  const auto rows = static_cast<std::size_t>(amount) + 1;
  FewestTable table{std::vector<std::int32_t>(rows, -1), std::vector<std::int64_t>(rows, 0)};
  table.fewest[0] = 0;
  for (std::size_t x = 1; x < rows; ++x) {
    for (std::int64_t value : coins) {
      const auto coin = static_cast<std::size_t>(value);
      if (coin > x || table.fewest[x - coin] < 0) continue;
      if (table.fewest[x] < 0 || table.fewest[x - coin] + 1 < table.fewest[x]) {
        table.fewest[x] = table.fewest[x - coin] + 1;
        table.last[x] = value;
      }
    }
  }
  return table;
}

std::optional<Payment> FewestTable::PaymentOf(std::int64_t amount) const {
  if (amount < 0 || static_cast<std::size_t>(amount) >= fewest.size() || fewest[amount] < 0) {
    return std::nullopt;
  }
  std::vector<std::int64_t> used;
  for (std::int64_t x = amount; x > 0; x -= last[x]) used.push_back(last[x]);
  std::sort(used.rbegin(), used.rend());
  Payment payment;
  for (std::int64_t value : used) {
    if (payment.counts.empty() || payment.counts.back().first != value) {
      payment.counts.emplace_back(value, 0);
    }
    ++payment.counts.back().second;
  }
  return payment;
}

std::int64_t GreedyCheckBound(const Coins& coins) {
  if (coins.size() < 2) return 0;  // one coin: greedy is the only way
  const std::int64_t two_largest = coins[0] + coins[1];
  if (coins.back() == 1) return two_largest - 1;
  return std::max(kCheckedWithoutOne, two_largest);
}

GreedyVerdict JudgeGreedy(const Coins& coins) {
  GreedyVerdict verdict;
  verdict.checked_to = GreedyCheckBound(coins);
  verdict.proven = coins.size() < 2 || coins.back() == 1;
  const FewestTable table = FewestUpTo(coins, verdict.checked_to);
  for (std::int64_t x = 1; x < static_cast<std::int64_t>(table.fewest.size()); ++x) {
    const std::int32_t fewest = table.fewest[static_cast<std::size_t>(x)];
    if (fewest < 0) continue;
    const std::optional<Payment> greedy = Greedy(coins, x);
    if (!greedy || greedy->Pieces() > fewest) {
      verdict.counterexample = x;
      break;
    }
  }
  return verdict;
}

}  // namespace restomer
