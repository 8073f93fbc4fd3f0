// The kinds of task a lesson sets, each with its own table of levels:
// purchases, where the pupil hands back change, and coin systems, where the
// pupil pays an amount with the fewest coins or judges greedy.
#ifndef RESTOMER_CORE_TASK_KIND_H_
#define RESTOMER_CORE_TASK_KIND_H_

namespace restomer {

enum class TaskKind { kPurchases, kInformatics };

}  // namespace restomer

#endif  // RESTOMER_CORE_TASK_KIND_H_
