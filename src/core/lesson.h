// A lesson: what a teacher sets up once for the whole class. The command
// line, a lesson file and the teacher's window each make one; practice,
// worksheets and the results file each take one.
#ifndef RESTOMER_CORE_LESSON_H_
#define RESTOMER_CORE_LESSON_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/coin_system.h"
#include "core/currency.h"
#include "core/task_generator.h"
#include "core/task_kind.h"

namespace restomer {

// The most tasks a round or a worksheet has.
inline constexpr int kMostTasks = 100;
// A worksheet's tasks when the lesson names no round.
inline constexpr int kWorksheetTasks = 10;

struct Lesson {
  const Currency* currency = &kLev;
  int level = kDefaultLevel;
  // The tasks of a round; 0: no rounds, practice goes on.
  int tasks = 0;
  // The same seed gives the whole class the same tasks; without one every
  // start differs.
  std::optional<std::uint64_t> seed;
  // The CSV file practice appends its results to, UTF-8; empty: none.
  std::string results;
  // The pupil's name, and whether practice asks for it at start.
  std::string name;
  bool ask_name = false;
  // A coin system the whole class explores in the informatics window;
  // empty: none.
  Coins coins;
  // The name of the lesson file it was read from, which results rows
  // carry; empty for a lesson from the command line alone.
  std::string title;
  // Purchases, or informatics tasks (a lesson of a coin system is).
  TaskKind kind = TaskKind::kPurchases;
  // Practice with pictures: whether the change must be the fewest pieces
  // or just the right sum, whether each task is read aloud as it appears,
  // and whether amounts are shown in words under the digits.
  bool fewest_pieces = true;
  bool read_aloud = false;
  bool amounts_in_words = false;
  bool operator==(const Lesson&) const = default;
};

// The lesson a teacher starts from: in euro, Bulgaria's currency since
// 1 January 2026 (the demonstration alone starts in lev).
Lesson NewLesson();

// The lowest and highest level number of purchases, from their table.
int LowestLevel();
int HighestLevel();

// The one range of each whole-number field of a lesson, which the command
// line, a lesson file and the teacher's window all check: the levels are
// the kind's.
struct FieldRange {
  std::uint64_t least;
  std::uint64_t most;
  bool Holds(std::uint64_t value) const { return least <= value && value <= most; }
};
FieldRange LevelRange(TaskKind kind);

// The levels of a kind in words, in `unit` where they name amounts:
// "Ниво 2: ресто под 10 лв.", each with its number.
struct LevelChoice {
  int number;
  std::string text;
};
std::vector<LevelChoice> LevelChoices(TaskKind kind, std::string_view unit);
FieldRange TasksRange();
FieldRange SeedRange();

// A seed for a lesson that names none: at most six digits, so that a
// teacher can read it out to the class.
std::uint64_t NewSeed();

// `text` as a whole number from `least` to `most`: decimal digits only, no
// sign or blank.
std::optional<std::uint64_t> WholeNumberIn(std::string_view text, std::uint64_t least,
                                           std::uint64_t most);
inline std::optional<std::uint64_t> WholeNumberIn(std::string_view text, FieldRange range) {
  return WholeNumberIn(text, range.least, range.most);
}

}  // namespace restomer

#endif  // RESTOMER_CORE_LESSON_H_
