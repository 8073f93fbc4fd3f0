#include "core/task_kind.h"

#include "core/informatics_tasks.h"
#include "core/task_generator.h"

namespace restomer {

std::vector<KindLevel> LevelsOf(TaskKind kind) {
  std::vector<KindLevel> levels;
  switch (kind) {
    case TaskKind::kInformatics:
      for (const InformaticsLevel& level : InformaticsLevels()) {
        levels.push_back({level.number, level.description});
      }
      break;
    case TaskKind::kPurchases:
      for (const Level& level : Levels()) levels.push_back({level.number, level.description});
      break;
  }
  return levels;
}

}  // namespace restomer
