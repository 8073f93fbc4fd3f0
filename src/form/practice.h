// Practice: the program sets a purchase, the learner works out the change and
// ticks the pieces, and "Въведи" checks the answer and explains it with the
// seller's count-up.
#ifndef RESTOMER_FORM_PRACTICE_H_
#define RESTOMER_FORM_PRACTICE_H_

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "form/currency.h"
#include "form/form_content.h"
#include "runtime/conversions.h"

namespace restomer {

// A purchase as a pupil meets it, in hundredths.
struct PracticeTask {
  std::int64_t price;
  std::int64_t paid;
  bool operator==(const PracticeTask&) const = default;
};

// The purchases of one seed, always the same sequence on every build: a
// price with stotinki or cents from 0.01 to 499.99, paid with the next whole
// unit above it or the next multiple of 5, 10, 20, 50, 100 or 200. The change
// is therefore between 0.01 and 200.00.
class TaskGenerator {
 public:
  explicit TaskGenerator(std::uint64_t seed) : engine_(seed) {}
  PracticeTask Next();

 private:
  // A number from 0 to bound - 1. Drawn from the engine's output, which the
  // C++ standard fixes to the bit, by arithmetic of our own: the standard
  // library's distributions differ from one library to the next.
  std::uint64_t Below(std::uint64_t bound);

  std::mt19937_64 engine_;
};

// The practice in one window: the tasks and the score.
class Practice {
 public:
  Practice(std::uint64_t seed, const Currency& currency, const RegionalSettings& settings)
      : tasks_(seed), currency_(currency), settings_(settings) {}

  // Writes the seed's next task: the amounts into the price and paid boxes,
  // an empty change box, no tick, and the instruction into the trace box.
  void SetNextTask(FormContent& form);

  // Makes the amounts the price and paid boxes hold a new task, as when a
  // teacher types a purchase of their own: empties the change box, clears
  // the ticks and names the purchase in the instruction.
  void SetOwnTask(FormContent& form);

  // The click of button `Index`. "Чисти" sets the next task, counting the
  // task on screen as skipped when it was not checked. "Въведи" checks the
  // change typed and the pieces ticked, once a task, then shows the right
  // answer: the verdict, the score and the count-up. Any other index does
  // nothing.
  void Click(FormContent& form, std::int16_t Index);

  int answers() const { return answers_; }
  int right_answers() const { return right_answers_; }
  int skipped() const { return skipped_; }

 private:
  // A task is the purchase as numbers, price and paid: "474.12 " and
  // "474.120" are one task.
  using Purchase = std::pair<double, double>;
  static Purchase PurchaseOf(const FormContent& form);

  bool CanBeAnswered(const FormContent& form) const;
  void Check(FormContent& form);
  std::string Instruction(const FormContent& form) const;
  std::string Score() const;

  TaskGenerator tasks_;
  const Currency& currency_;
  RegionalSettings settings_;
  // Every purchase checked, so that none is checked twice, however its
  // amounts are retyped.
  std::set<Purchase> checked_;
  int answers_ = 0;
  int right_answers_ = 0;
  int skipped_ = 0;
};

}  // namespace restomer

#endif  // RESTOMER_FORM_PRACTICE_H_
