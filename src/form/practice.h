// Practice: the program sets a purchase, the learner works out the change and
// ticks the pieces, and "Въведи" checks the answer and explains it with the
// seller's count-up.
#ifndef RESTOMER_FORM_PRACTICE_H_
#define RESTOMER_FORM_PRACTICE_H_

#include <cstdint>
#include <optional>
#include <random>
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
};

// The purchases of one seed, always the same sequence: a price with
// stotinki or cents from 0.01 to 499.99, paid with the next whole unit above
// it or the next multiple of 5, 10, 20, 50, 100 or 200. The change is
// therefore between 0.01 and 200.00.
class TaskGenerator {
 public:
  explicit TaskGenerator(std::uint64_t seed) : engine_(seed) {}
  PracticeTask Next();

 private:
  std::mt19937_64 engine_;
};

// The round of practice in one window: the tasks and the score.
class Practice {
 public:
  Practice(std::uint64_t seed, const Currency& currency, const RegionalSettings& settings)
      : tasks_(seed), currency_(currency), settings_(settings) {}

  // Writes the next task: the amounts into the price and paid boxes, an empty
  // change box, no tick, and the instruction into the trace box.
  void SetNextTask(FormContent& form);

  // The click of button `Index`: "Чисти" sets the next task; "Въведи" checks
  // the change typed and the pieces ticked, then shows the right answer with
  // the verdict, the count-up and the score. Any other index does nothing.
  void Click(FormContent& form, std::int16_t Index);

  int answers() const { return answers_; }
  int right_answers() const { return right_answers_; }

 private:
  void Check(FormContent& form);

  TaskGenerator tasks_;
  const Currency& currency_;
  RegionalSettings settings_;
  int answers_ = 0;
  int right_answers_ = 0;
  // The amounts of the task last counted, so that checking it again does not
  // count twice.
  std::optional<std::pair<std::string, std::string>> counted_task_;
};

}  // namespace restomer

#endif  // RESTOMER_FORM_PRACTICE_H_
