// The tasks of informatics worksheets: a coin system, an amount and a
// question (the fewest pieces, or whether greedy gives them), by level,
// from two coins where greedy cannot pay to six coins and the whole table;
// the same for a seed on every build.
#ifndef RESTOMER_CORE_INFORMATICS_TASKS_H_
#define RESTOMER_CORE_INFORMATICS_TASKS_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/coin_system.h"
#include "core/seeded_numbers.h"

namespace restomer {

struct InformaticsLevel {
  int number;
  int coins;              // in a system
  bool with_one;          // whether every system has a coin of 1
  std::int64_t largest;   // the largest coin at most
  std::int64_t amount;    // the largest amount asked
  bool greedy_must_fail;  // only systems where greedy fails by `amount`
  const char* description;
};

// Levels 1 to 5: two coins without a 1; three, four, five and six coins
// with a 1, larger each level.
std::span<const InformaticsLevel> InformaticsLevels();
const InformaticsLevel* FindInformaticsLevel(int number);

struct InformaticsTask {
  enum class Question { kFewest, kIsGreedyFewest };
  Coins coins;  // largest first
  std::int64_t amount = 0;
  Question question = Question::kFewest;
  bool operator==(const InformaticsTask&) const = default;
};

// The tasks of a seed and level, always the same sequence: every other
// task asks whether greedy gives the fewest, and half the amounts are ones
// where it does not.
class InformaticsTasks {
 public:
  // With `system`, every task is of that coin system, its amounts up to
  // the level's.
  InformaticsTasks(std::uint64_t seed, const InformaticsLevel& level, Coins system = {})
      : numbers_(seed), level_(level), system_(std::move(system)) {}
  InformaticsTask Next();

 private:
  Coins NextSystem();
  std::int64_t AmountBound(const Coins& coins) const;
  // An amount of the table's that the coins can pay.
  std::int64_t NextAmount(const Coins& coins, const FewestTable& table);

  SeededNumbers numbers_;
  const InformaticsLevel& level_;
  const Coins system_;
  int asked_ = 0;
};

// Whether the counts (one a coin, in the task's order) pay the amount with
// the fewest pieces.
bool IsFewest(const InformaticsTask& task, const std::vector<std::int64_t>& counts);
// The right answer to "does greedy give the fewest here?"
bool GreedyIsFewest(const InformaticsTask& task);

}  // namespace restomer

#endif  // RESTOMER_CORE_INFORMATICS_TASKS_H_
