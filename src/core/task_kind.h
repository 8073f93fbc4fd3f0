// The kinds of task a lesson sets, each with its own table of levels:
// purchases, where the pupil hands back change, and coin systems, where the
// pupil pays an amount with the fewest coins or judges greedy.
#ifndef RESTOMER_CORE_TASK_KIND_H_
#define RESTOMER_CORE_TASK_KIND_H_

#include <vector>

namespace restomer {

enum class TaskKind { kPurchases, kInformatics };

// A level as a lesson names it, with its words ("{}" for the unit).
struct KindLevel {
  int number;
  const char* description;
};

// The kind's levels, lowest first, numbered without a gap.
std::vector<KindLevel> LevelsOf(TaskKind kind);

}  // namespace restomer

#endif  // RESTOMER_CORE_TASK_KIND_H_
