// A worksheet on paper: the tasks practice sets for a seed and level, with
// room for the answers, and an answer key that explains each answer with the
// seller's count-up, as an A4 PDF.
#ifndef RESTOMER_PRINT_WORKSHEET_H_
#define RESTOMER_PRINT_WORKSHEET_H_

#include <QDate>
#include <QString>
#include <cstdint>

#include "core/conversions.h"
#include "core/currency.h"
#include "core/lesson.h"
#include "core/task_generator.h"

namespace restomer {

struct WorksheetOptions {
  const Currency* currency = &kLev;
  const Level* level = FindLevel(kDefaultLevel);
  int tasks = kWorksheetTasks;
  std::uint64_t seed = 0;
  RegionalSettings settings;
  QDate date;
};

// The worksheet of `lesson`, dated today, in the notation of the user's
// locale: its tasks, or kWorksheetTasks; its seed, or a new one.
WorksheetOptions worksheetOptionsOf(const Lesson& lesson);

// Writes the worksheet to `path`, whole or not at all. Needs a
// QGuiApplication, which may run on Qt's offscreen platform. Returns an
// empty string, or one Bulgarian line on what went wrong.
QString writeWorksheet(const QString& path, const WorksheetOptions& options);

}  // namespace restomer

#endif  // RESTOMER_PRINT_WORKSHEET_H_
