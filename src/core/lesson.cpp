#include "core/lesson.h"

#include <charconv>
#include <limits>
#include <random>

#include "core/informatics_tasks.h"

namespace restomer {

Lesson NewLesson() {
  Lesson lesson;
  lesson.currency = &kEuro;
  return lesson;
}

int LowestLevel() { return Levels().front().number; }

int HighestLevel() { return Levels().back().number; }

FieldRange LevelRange(TaskKind kind) {
  // Each kind's table numbers its levels without a gap.
  const auto range = [](auto levels) {
    return FieldRange{static_cast<std::uint64_t>(levels.front().number),
                      static_cast<std::uint64_t>(levels.back().number)};
  };
  switch (kind) {
    case TaskKind::kInformatics:
      return range(InformaticsLevels());
    case TaskKind::kPictures:
      return range(PictureLevels());
    case TaskKind::kPurchases:
      break;
  }
  return range(Levels());
}

std::vector<LevelChoice> LevelChoices(TaskKind kind, std::string_view unit) {
  std::vector<LevelChoice> choices;
  if (kind == TaskKind::kInformatics) {
    for (const InformaticsLevel& level : InformaticsLevels()) {
      choices.push_back(
          {level.number, "Ниво " + std::to_string(level.number) + ": " + level.description + "."});
    }
    return choices;
  }
  for (const Level& level : kind == TaskKind::kPictures ? PictureLevels() : Levels()) {
    choices.push_back({level.number, LevelText(level, unit)});
  }
  return choices;
}

FieldRange TasksRange() { return {0, kMostTasks}; }

FieldRange SeedRange() { return {0, std::numeric_limits<std::uint64_t>::max()}; }

std::uint64_t NewSeed() {
  constexpr std::uint64_t kMost = 999'999;
  std::random_device device;
  return 1 + (static_cast<std::uint64_t>(device()) << 32 | device()) % kMost;
}

std::optional<std::uint64_t> WholeNumberIn(std::string_view text, std::uint64_t least,
                                           std::uint64_t most) {
  std::uint64_t value = 0;
  const char* end = text.data() + text.size();
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || value < least || value > most) return std::nullopt;
  return value;
}

}  // namespace restomer
