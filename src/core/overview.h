// What the class got right and wrong, counted from the rows of a results
// file: one line a pupil, one line a task, and the mistakes the class makes
// most, so that the first is what to teach next.
#ifndef RESTOMER_CORE_OVERVIEW_H_
#define RESTOMER_CORE_OVERVIEW_H_

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "core/results_reader.h"

namespace restomer {

struct PupilLine {
  std::string pupil;  // the name, or the login where there is none
  int tasks = 0;      // checked or skipped
  int right = 0;
  int wrong = 0;
  int skipped = 0;
  std::set<int> levels;
  std::string last_time;  // of the last answer
  double ShareRight() const { return tasks == 0 ? 0 : static_cast<double>(right) / tasks; }
};

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
};

struct Overview {
  std::vector<PupilLine> pupils;      // in the order they first appear
  std::vector<TaskLine> tasks;        // in the order they first appear
  std::vector<MistakeLine> mistakes;  // the most frequent first
};

Overview Summarize(const std::vector<ResultRow>& rows);

}  // namespace restomer

#endif  // RESTOMER_CORE_OVERVIEW_H_
