// Practice with pictures: the program sets a purchase as a picture story,
// the pupil puts banknotes and coins from the till on the counter, and
// "Готово" checks them: right when they make the change and, where the
// lesson asks for it, are the fewest pieces that do. A wrong answer is
// explained by the seller's count-up, a step at a time.
#ifndef RESTOMER_CORE_PICTURE_PRACTICE_H_
#define RESTOMER_CORE_PICTURE_PRACTICE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/count_up.h"
#include "core/picture_tasks.h"
#include "core/practice_round.h"
#include "core/verdict.h"

namespace restomer {

// What "Готово" decided about the pieces on the counter.
struct PictureCheck {
  TaskRecord record;
  std::int64_t given_sum;
  std::int64_t given_pieces;
  std::int64_t fewest_pieces;
  // Against the fewest pieces: those not given, and those given beyond them.
  Payment missing;
  Payment unneeded;
  bool SumIsRight() const { return given_sum == record.change; }
  bool IsRight() const { return record.outcome == TaskRecord::Outcome::kRight; }
};

// The pieces of a payment by their captions, largest first.
std::vector<Piece> PiecesOf(const Payment& payment, const Currency& currency);

class PicturePractice {
 public:
  // `fewest`: the pieces must be the fewest, not just make the change.
  PicturePractice(std::uint64_t seed, const Level& level, const Currency& currency, bool fewest,
                  int round_size);

  // Sets the seed's next task. The task before it, unanswered, is skipped:
  // its record, if there is one; when that skip ends the round, the next
  // task waits for the next call.
  std::optional<TaskRecord> NextTask();

  // Checks the pieces on the counter, once a task; none when the task was
  // answered before or the round is over.
  std::optional<PictureCheck> Check(const Payment& given);

  // The task set, left when practice ends: skipped unless it was answered.
  std::optional<TaskRecord> Abandon();

  const PictureTask& task() const { return task_; }
  std::int64_t change() const { return task_.purchase.paid - task_.purchase.price; }
  // The fewest pieces of the change, and the seller's count-up of them from
  // the price to the sum paid.
  Payment Fewest() const;
  std::vector<CountUpStep> CountUp() const { return CountUpOf(Fewest(), task_.purchase.price); }

  const Level& level() const { return level_; }
  const Currency& currency() const { return currency_; }
  bool fewest() const { return fewest_; }
  int task_number() const { return round_.task_number(); }
  const PracticeRound& round() const { return round_.round(); }

 private:
  TaskRecord Record(const Payment& given, TaskRecord::Outcome outcome) const;

  PictureTasks tasks_;
  const Level& level_;
  const Currency& currency_;
  bool fewest_;
  NumberedRound round_;
  PictureTask task_{};
};

}  // namespace restomer

#endif  // RESTOMER_CORE_PICTURE_PRACTICE_H_
