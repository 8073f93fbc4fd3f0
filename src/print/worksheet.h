// A worksheet on paper: the tasks practice sets for a seed and level, with
// room for the answers, and an answer key that explains each answer with the
// seller's count-up, as an A4 PDF.
#ifndef RESTOMER_WINDOW_WORKSHEET_H_
#define RESTOMER_WINDOW_WORKSHEET_H_

#include <QDate>
#include <QString>
#include <cstdint>

#include "form/currency.h"
#include "form/lesson.h"
#include "form/task_generator.h"
#include "runtime/conversions.h"

// A worksheet's tasks unless told otherwise.
inline constexpr int kWorksheetTasks = 10;

struct WorksheetOptions {
  const restomer::Currency* currency = &restomer::kLev;
  const restomer::Level* level = restomer::FindLevel(restomer::kDefaultLevel);
  int tasks = kWorksheetTasks;
  std::uint64_t seed = 0;
  restomer::RegionalSettings settings;
  QDate date;
};

// The worksheet of `lesson`, dated today, in the notation of the user's
// locale: its tasks, or kWorksheetTasks; its seed, or a new one.
WorksheetOptions worksheetOptionsOf(const restomer::Lesson& lesson);

// Writes the worksheet to `path`, whole or not at all. Needs a
// QGuiApplication, which may run on Qt's offscreen platform. Returns an
// empty string, or one Bulgarian line on what went wrong.
QString writeWorksheet(const QString& path, const WorksheetOptions& options);

#endif  // RESTOMER_WINDOW_WORKSHEET_H_
