// An informatics worksheet on paper: for a seed and level, coin systems and
// amounts to pay with the fewest pieces or to judge greedy on, with room
// for the answers, and a key with greedy's way and the fewest side by side
// and, for small amounts, the table that finds the fewest; an A4 PDF.
#ifndef RESTOMER_PRINT_INFORMATICS_WORKSHEET_H_
#define RESTOMER_PRINT_INFORMATICS_WORKSHEET_H_

#include <QDate>
#include <QString>
#include <cstdint>

#include "core/informatics_tasks.h"
#include "core/lesson.h"

namespace restomer {

struct InformaticsSheetOptions {
  const InformaticsLevel* level = FindInformaticsLevel(1);
  int tasks = kWorksheetTasks;
  std::uint64_t seed = 0;
  Coins coins;  // the lesson's coin system for every task; empty: the level's
  QDate date;
};

// The sheet of `lesson`, dated today: its level, tasks and coins, and its
// seed or a new one.
InformaticsSheetOptions informaticsSheetOptionsOf(const Lesson& lesson);

// The key's table of the fewest covers the amounts up to this.
inline constexpr std::int64_t kTableInKeyUpTo = 30;

// Writes the sheet to `path`, whole or not at all; an empty string, or one
// Bulgarian line on what went wrong.
QString writeInformaticsWorksheet(const QString& path, const InformaticsSheetOptions& options);

}  // namespace restomer

#endif  // RESTOMER_PRINT_INFORMATICS_WORKSHEET_H_
