// The kinds of task a lesson sets, each with its own table of levels:
// purchases typed as numbers, where the pupil hands back change; the same
// with pictures of the coins and banknotes, for the youngest; and coin
// systems, where the pupil pays an amount with the fewest coins or judges
// greedy.
#ifndef RESTOMER_CORE_TASK_KIND_H_
#define RESTOMER_CORE_TASK_KIND_H_

#include <optional>
#include <span>
#include <string_view>

namespace restomer {

enum class TaskKind { kPurchases, kPictures, kInformatics };

// How each kind is named: in a lesson file ("pictures"), and to the
// teacher, in the results and in the overview ("с картинки").
struct TaskKindName {
  TaskKind kind;
  std::string_view key;
  std::string_view label;
};
std::span<const TaskKindName> TaskKindNames();
const TaskKindName& NameOf(TaskKind kind);
std::optional<TaskKind> TaskKindOfKey(std::string_view key);
std::optional<TaskKind> TaskKindOfLabel(std::string_view label);

}  // namespace restomer

#endif  // RESTOMER_CORE_TASK_KIND_H_
