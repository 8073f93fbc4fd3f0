// Any coin system, for the question an informatics lesson asks: does the
// greedy way (the largest coin first) always pay with the fewest pieces?
// Greedy's breakdown, the fewest pieces found by a table of every smaller
// amount, and the smallest amount where greedy is not the fewest. Values
// and amounts are whole numbers in one unit (leva, euro cents, pence).
#ifndef RESTOMER_CORE_COIN_SYSTEM_H_
#define RESTOMER_CORE_COIN_SYSTEM_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace restomer {

// The most coins a system has, the largest value of a coin and the largest
// amount: the table of the fewest for an amount holds a row for every
// smaller amount, and a million rows take a few megabytes.
inline constexpr int kMostCoins = 15;
inline constexpr std::int64_t kLargestAmount = 1'000'000;

// Distinct positive values, largest first.
using Coins = std::vector<std::int64_t>;

// "4 3 1" (in any order, blanks or commas between) as coins, or one
// Bulgarian sentence saying what is wrong; coins whose check of greedy
// would need a table beyond kLargestAmount are refused too.
struct CoinsRead {
  Coins coins;
  std::string error;
};
CoinsRead ReadCoins(std::string_view text);
// The coins as ReadCoins reads them back: "4 3 1".
std::string CoinsText(const Coins& coins);

// A way to pay: (value, count) pairs, largest value first; none when the
// amount cannot be paid that way.
struct Payment {
  std::vector<std::pair<std::int64_t, std::int64_t>> counts;
  std::int64_t Pieces() const;
  std::int64_t Sum() const;
};

// Greedy: as many of the largest coin as fit, then the next. None when
// what is left at the end is not 0.
std::optional<Payment> Greedy(const Coins& coins, std::int64_t amount);

// The table of the fewest for every amount from 0 to `amount`: the fewest
// pieces (-1 where no way pays it) and the last coin added (0 for none).
// Time in amount × coins, memory linear in the amount.
struct FewestTable {
  std::vector<std::int32_t> fewest;
  std::vector<std::int64_t> last;
  // The fewest way to pay `amount` (at most the table's), read back along
  // the last coins.
  std::optional<Payment> PaymentOf(std::int64_t amount) const;
};
FewestTable FewestUpTo(const Coins& coins, std::int64_t amount);

// Whether greedy pays every amount with the fewest pieces. With a coin of 1
// it is proven: if greedy ever fails it fails below the sum of the two
// largest coins (Kozen and Zaks), and every amount below it is checked.
// Without one, amounts up to `checked_to` are checked, which is no proof.
struct GreedyVerdict {
  bool proven = false;          // checked up to the bound that proves it
  std::int64_t checked_to = 0;  // the largest amount checked
  // The smallest amount where greedy pays with more pieces than the fewest,
  // or cannot pay what the fewest can.
  std::optional<std::int64_t> counterexample;
};
// The largest amount checked for a system without a coin of 1.
inline constexpr std::int64_t kCheckedWithoutOne = 10'000;
// The largest amount JudgeGreedy would need to check, so that a caller can
// refuse a system whose table would not fit kLargestAmount.
std::int64_t GreedyCheckBound(const Coins& coins);
GreedyVerdict JudgeGreedy(const Coins& coins);

}  // namespace restomer

#endif  // RESTOMER_CORE_COIN_SYSTEM_H_
