// Practice: the program sets a purchase, the learner works out the change and
// ticks the pieces, and "Въведи" checks the answer and explains it with the
// seller's count-up.
#ifndef RESTOMER_CORE_PRACTICE_H_
#define RESTOMER_CORE_PRACTICE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/conversions.h"
#include "core/currency.h"
#include "core/form_content.h"
#include "core/practice_round.h"
#include "core/practice_wording.h"
#include "core/task_generator.h"

namespace restomer {

// What practice is asked for: the seed of its tasks, their level, and how
// many tasks a round has (0: no rounds, practice goes on).
struct PracticeOptions {
  explicit PracticeOptions(std::uint64_t seed, const Level& level = *FindLevel(kDefaultLevel),
                           int round_size = 0)
      : seed(seed), level(&level), round_size(round_size) {}
  std::uint64_t seed;
  const Level* level;
  int round_size;
};

// The practice in one window: the tasks and the score.
class Practice {
 public:
  Practice(const PracticeOptions& options, const Currency& currency,
           const RegionalSettings& settings)
      : options_(options),
        tasks_(options.seed, *options.level),
        currency_(currency),
        settings_(settings),
        wording_(currency, settings),
        round_(options.round_size) {}

  // Writes the seed's next task: the amounts into the price and paid boxes,
  // an empty change box, no tick, and the instruction into the trace box.
  void SetNextTask(FormContent& form);

  // Makes the amounts the price and paid boxes hold a new task, as when a
  // teacher types a purchase of their own: empties the change box, clears
  // the ticks and names the purchase in the instruction. After the end of a
  // round it is the first task of the next.
  void SetOwnTask(FormContent& form);

  // The click of button `Index`. "Чисти" sets the next task, counting the
  // task on screen as skipped when it was not checked. "Въведи" checks the
  // change typed and the pieces ticked, once a task, then shows the right
  // answer: the verdict, the score and the count-up. The amounts are read
  // as answers are ("12,50" is 12.50 under any region) and written back the
  // program's way; amounts that are no sum of hundredths are refused. After
  // the last task of a round the trace box shows the round's summary, and
  // "Чисти" starts the next round. Any other index does nothing. Returns the
  // task this click checked or skipped, if it did.
  std::optional<TaskRecord> Click(FormContent& form, std::int16_t Index);

  // The task on screen, left when the window closes: counted as skipped
  // unless it was checked or cannot be answered.
  std::optional<TaskRecord> Abandon(const FormContent& form);

  // The round that has just ended, task by task; empty while it goes on.
  std::vector<TaskRecord> EndedRound() const { return round_.Ended(); }
  // The score after the last task checked or skipped.
  Score LastScore() const { return round_.LastScore(); }
  const PracticeOptions& options() const { return options_; }
  const PracticeWording& wording() const { return wording_; }
  const PracticeRound& round() const { return round_; }

  int answers() const { return round_.answers(); }
  int right_answers() const { return round_.right_answers(); }
  int skipped() const { return round_.skipped(); }

 private:
  // A task is the purchase in hundredths: "474.12 ", "474.120" and "474,12"
  // are one task.
  using Purchase = std::pair<std::int64_t, std::int64_t>;
  // The purchase the boxes hold, or the box whose text is no amount.
  std::optional<Purchase> PurchaseOf(const FormContent& form, int* unreadable_box = nullptr) const;

  // The round's key of a purchase: one task however its amounts are typed.
  static std::string KeyOf(const Purchase& purchase);
  TaskRecord Record(const FormContent& before, const FormContent& answered,
                    std::vector<Piece> pieces, TaskRecord::Outcome outcome) const;
  std::optional<TaskRecord> Skip(FormContent& form);
  std::optional<TaskRecord> Check(FormContent& form);

  PracticeOptions options_;
  TaskGenerator tasks_;
  const Currency& currency_;
  RegionalSettings settings_;
  PracticeWording wording_;
  PracticeRound round_;
};

}  // namespace restomer

#endif  // RESTOMER_CORE_PRACTICE_H_
