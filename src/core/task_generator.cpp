#include "core/task_generator.h"

#include <iterator>
#include <string_view>
#include <vector>

namespace restomer {
namespace {

constexpr std::int64_t kUnder10[] = {9};
constexpr std::int64_t kUnder10Or100[] = {9, 99};
constexpr std::int64_t kUnder10Or100Or500[] = {9, 99, 499};
constexpr std::int64_t kUnder10000[] = {9999};
constexpr std::int64_t kNextUnit[] = {1};
constexpr std::int64_t kNext5Or10[] = {5, 10};
constexpr std::int64_t kNext5To100[] = {5, 10, 20, 50, 100};
constexpr std::int64_t kNext1To200[] = {1, 5, 10, 20, 50, 100, 200};
constexpr std::int64_t kNext100To1000[] = {100, 200, 500, 1000};

constexpr std::int64_t kUnder3[] = {0, 2};
constexpr std::int64_t kTo9[] = {9};
constexpr std::int64_t kTo19[] = {19};
constexpr std::int64_t kNext5Or10To20[] = {5, 10, 20};

constexpr Level kLevels[] = {
    {1, 0, kUnder10, kNextUnit, "ресто под 1{}, само монети"},
    {2, 0, kUnder10Or100, kNext5Or10, "ресто под 10{}"},
    {3, 0, kUnder10Or100, kNext5To100, "покупки под 100{}"},
    {4, 0, kUnder10Or100Or500, kNext1To200, "покупки под 500{}, ресто до 200{}"},
    {5, 1000, kUnder10000, kNext100To1000, "покупки за хиляди{}, ресто до 1000{}"},
};

constexpr Level kYoungestLevels[] = {
    {1, 1, kTo9, kNext5Or10, "цели суми до 10{}", true},
    {2, 1, kTo19, kNext5Or10To20, "цели суми до 20{}", true},
    {3, 0, kUnder3, kNextUnit, "ресто под 1{}, цени под 3{}"},
};

// The youngest levels, then the purchases' levels numbered after them.
std::vector<Level> MakePictureLevels() {
  std::vector<Level> levels(std::begin(kYoungestLevels), std::end(kYoungestLevels));
  for (Level level : kLevels) {
    level.number += static_cast<int>(std::size(kYoungestLevels));
    levels.push_back(level);
  }
  return levels;
}

const Level* FindIn(std::span<const Level> levels, int number) {
  for (const Level& level : levels) {
    if (level.number == number) return &level;
  }
  return nullptr;
}

}  // namespace

std::span<const Level> Levels() { return kLevels; }

const Level* FindLevel(int number) { return FindIn(kLevels, number); }

std::span<const Level> PictureLevels() {
  static const std::vector<Level> levels = MakePictureLevels();
  return levels;
}

const Level* FindPictureLevel(int number) { return FindIn(PictureLevels(), number); }

std::string LevelText(const Level& level, std::string_view unit) {
  std::string text = "Ниво " + std::to_string(level.number) + ": " + level.description;
  for (std::size_t at; (at = text.find("{}")) != std::string::npos;) text.replace(at, 2, unit);
  return text + (text.ends_with('.') ? "" : ".");
}

PracticeTask TaskGenerator::Next() {
  const std::int64_t largest = level_.largest_units[Below(level_.largest_units.size())];
  const auto units =
      level_.smallest_units + static_cast<std::int64_t>(Below(largest - level_.smallest_units + 1));
  const auto cents = level_.whole ? 0 : static_cast<std::int64_t>(1 + Below(99));
  const std::int64_t step = 100 * level_.paid_steps[Below(level_.paid_steps.size())];
  const std::int64_t price = units * 100 + cents;
  return {price, (price / step + 1) * step};
}

}  // namespace restomer
