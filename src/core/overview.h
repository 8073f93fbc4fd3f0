// What the class got right and wrong, counted from the rows of a results
// file: one line a pupil, one line a task, and the mistakes the class makes
// most, so that the first is what to teach next.
#ifndef RESTOMER_CORE_OVERVIEW_H_
#define RESTOMER_CORE_OVERVIEW_H_

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/results_reader.h"
#include "core/row_filter.h"

namespace restomer {

// How far a pupil came in a round of one start of practice.
struct RoundProgress {
  int done = 0;  // tasks checked or skipped
  int size = 0;  // tasks in the round
  bool operator==(const RoundProgress&) const = default;
};

// How a pupil or the class did in one lesson.
struct LessonShare {
  std::string lesson;
  std::string began;  // the time of its first row
  int tasks = 0;      // checked or skipped
  int right = 0;
  double ShareRight() const { return tasks == 0 ? 0 : static_cast<double>(right) / tasks; }
};

struct PupilLine {
  // The name, or the login where there is none; with the computer in
  // brackets where the same name is two pupils ("Иван (pc-07)").
  std::string pupil;
  int tasks = 0;  // checked or skipped
  int right = 0;
  int wrong = 0;
  int skipped = 0;
  std::set<int> levels;
  std::string last_time;                  // of the last answer
  int last_level = 0;                     // of the last answer
  std::vector<RoundProgress> unfinished;  // rounds left before their end
  // The outcomes of the last tasks, the latest last: what NeedsHelp reads.
  std::vector<TaskRecord::Outcome> recent;
  // The denomination missed in most tasks, and in how many.
  std::string most_missed;  // its caption
  std::string most_missed_currency;
  int most_missed_tasks = 0;
  std::vector<std::size_t> rows;     // theirs among the rows given, in order
  std::vector<LessonShare> lessons;  // the earliest first
  double ShareRight() const { return tasks == 0 ? 0 : static_cast<double>(right) / tasks; }
};

// Why a pupil needs help, by the rule below; none when they do not.
struct HelpNeeded {
  enum class Why { kNone, kFewRight, kSameCoinMissed };
  Why why = Why::kNone;
  int right = 0;  // of the last tasks, for kFewRight
  int of = 0;
};
// A pupil needs help when under 60 % of their last 10 answers (at least 5)
// are right, or when they missed the same denomination in 3 tasks or more.
inline constexpr int kRecentTasks = 10;
inline constexpr int kFewestRecentTasks = 5;
inline constexpr double kShareRightNeeded = 0.6;
inline constexpr int kSameCoinMissed = 3;
HelpNeeded NeedsHelp(const PupilLine& pupil);

// The level a pupil tries next: the one above when at least 80 % of their
// last lesson's tasks (5 or more) were right, the one below when under
// 60 %, else the same; within the levels there are.
inline constexpr double kShareRightToMoveUp = 0.8;
int LevelToTry(const PupilLine& pupil);

struct TaskLine {
  std::string currency;
  int level = 0;
  std::string seed;
  int round = 0;
  int task = 0;
  std::int64_t price = 0;  // hundredths
  std::int64_t paid = 0;
  int answered = 0;  // checked, not skipped
  int right = 0;
  std::string common_wrong;  // the wrong change typed most often
  int common_wrong_count = 0;
};

// One kind of mistake: "грешно ресто", or a denomination missing or ticked
// without being needed.
struct MistakeLine {
  enum class Kind { kWrongChange, kMissing, kUnneeded };
  Kind kind;
  std::string currency;  // for a denomination
  std::string caption;
  int count = 0;
  // Who made it and how often, the most first.
  std::vector<std::pair<std::string, int>> pupils;
};

struct Overview {
  std::vector<PupilLine> pupils;      // in the order they first appear
  std::vector<TaskLine> tasks;        // in the order they first appear
  std::vector<MistakeLine> mistakes;  // the most frequent first
  std::vector<LessonShare> lessons;   // the earliest first
  std::size_t rows = 0;               // counted: those the filter takes
};

// Pupils are told apart by name. The same name from two computers in
// starts of practice that overlap in time is two pupils, one a computer; a
// pupil who moves to another computer is one. Rows without a name are told
// apart by login and computer. Pupils of two classes are two pupils. A
// pupil is the same pupil whatever the filter.
Overview Summarize(const std::vector<ResultRow>& rows, const RowFilter& filter = {});

}  // namespace restomer

#endif  // RESTOMER_CORE_OVERVIEW_H_
