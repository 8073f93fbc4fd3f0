#include "core/task_kind.h"

#include <algorithm>

namespace restomer {
namespace {

constexpr TaskKindName kNames[] = {
    {TaskKind::kPurchases, "purchases", "с числа"},
    {TaskKind::kPictures, "pictures", "с картинки"},
    {TaskKind::kInformatics, "informatics", "информатика"},
};

template <auto member>
std::optional<TaskKind> FindBy(std::string_view value) {
  const auto* found = std::find_if(std::begin(kNames), std::end(kNames),
                                   [&](const TaskKindName& name) { return name.*member == value; });
  return found == std::end(kNames) ? std::nullopt : std::optional(found->kind);
}

}  // namespace

std::span<const TaskKindName> TaskKindNames() { return kNames; }

const TaskKindName& NameOf(TaskKind kind) {
  return *std::find_if(std::begin(kNames), std::end(kNames),
                       [kind](const TaskKindName& name) { return name.kind == kind; });
}

std::optional<TaskKind> TaskKindOfKey(std::string_view key) {
  return FindBy<&TaskKindName::key>(key);
}

std::optional<TaskKind> TaskKindOfLabel(std::string_view label) {
  return FindBy<&TaskKindName::label>(label);
}

}  // namespace restomer
