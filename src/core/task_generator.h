// The purchases practice sets, by level, the same for a seed on every build.
#ifndef RESTOMER_CORE_TASK_GENERATOR_H_
#define RESTOMER_CORE_TASK_GENERATOR_H_

#include <cstdint>
#include <span>
#include <string>

#include "core/seeded_numbers.h"

namespace restomer {

// A purchase as a pupil meets it, in hundredths.
struct PracticeTask {
  std::int64_t price;
  std::int64_t paid;
  bool operator==(const PracticeTask&) const = default;
};

// How hard the purchases are. A price has stotinki or cents (unless it is
// `whole`) and a whole part from `smallest_units` up to one of
// `largest_units` (each as often); it is paid with the next multiple of one
// of `paid_steps` above it.
struct Level {
  int number;
  std::int64_t smallest_units;
  std::span<const std::int64_t> largest_units;
  std::span<const std::int64_t> paid_steps;
  // In words, with "{}" for the currency's unit: "ресто под 10{}".
  const char* description;
  bool whole = false;
};

inline constexpr int kDefaultLevel = 4;

// Levels 1 to 5, each harder than the one before: change under one unit in
// coins, change under 10, prices under 100, prices under 500 with change up
// to 200 (the default), and prices in the thousands.
std::span<const Level> Levels();

// The level of that number, or nullptr.
const Level* FindLevel(int number);

// The levels of practice with pictures: whole units to 10 and to 20 (the
// first grade's numbers), change in stotinki or cents under one unit (the
// second grade's), then levels 1 to 5 as 4 to 8.
std::span<const Level> PictureLevels();
const Level* FindPictureLevel(int number);

// "Ниво 2: ресто под 10 лв.": the level in words, in `unit`.
std::string LevelText(const Level& level, std::string_view unit);

// The purchases of one seed and level, always the same sequence.
class TaskGenerator {
 public:
  explicit TaskGenerator(std::uint64_t seed, const Level& level = *FindLevel(kDefaultLevel))
      : numbers_(seed), level_(level) {}
  PracticeTask Next();

 private:
  std::uint64_t Below(std::uint64_t bound) { return numbers_.Below(bound); }

  SeededNumbers numbers_;
  const Level& level_;
};

}  // namespace restomer

#endif  // RESTOMER_CORE_TASK_GENERATOR_H_
