// What practice decides, as values: the verdict on an answer, the score, and
// the record of each task checked or skipped. The words for them are
// PracticeWording's.
#ifndef RESTOMER_CORE_VERDICT_H_
#define RESTOMER_CORE_VERDICT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "core/pieces.h"
#include "core/task_kind.h"

namespace restomer {

// A task checked or skipped, as the round's summary and a results file tell it.
struct TaskRecord {
  enum class Outcome { kRight, kWrong, kSkipped };
  int round;                        // from 1; always 1 without rounds
  int number;                       // in the round, or since the start
  std::int64_t price;               // hundredths
  std::int64_t paid;                // hundredths
  std::string typed;                // the change typed, as typed
  std::vector<std::string> ticked;  // the captions ticked, largest first
  std::int64_t change;              // hundredths
  std::vector<Piece> pieces;        // the fewest pieces, largest first
  Outcome outcome;
  std::string coins = {};  // an informatics task's coin system; empty for purchases
  TaskKind kind = TaskKind::kPurchases;
};

// What "Въведи" decided.
struct Verdict {
  enum class Kind {
    kChecked,         // an answer, right or not
    kAlreadyChecked,  // the task was checked before: nothing counted
    kRoundOver,       // the round has ended: its summary stands
  };
  Kind kind = Kind::kChecked;
  std::string typed;                  // the change typed
  bool typed_is_amount = true;        // whether the whole text is an amount
  bool change_is_wrong = false;       // it is not exactly the change
  std::int64_t change = 0;            // the change, hundredths
  std::vector<std::string> unneeded;  // captions ticked that are not needed
  std::vector<std::string> missing;   // captions needed but not ticked
  bool IsRight() const {
    return kind == Kind::kChecked && !change_is_wrong && unneeded.empty() && missing.empty();
  }
};

// Where a pupil is: the task in the round and the answers so far.
struct Score {
  int task;        // the task's number in the round
  int round_size;  // 0 without rounds
  int right;
  int answered;  // checked or skipped
  int skipped;
};

}  // namespace restomer

#endif  // RESTOMER_CORE_VERDICT_H_
