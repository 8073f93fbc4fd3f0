// A worksheet with pictures, for the youngest pupils: each purchase as a
// picture story, with the banknotes and coins that could make its change
// drawn to circle; a key with the fewest pieces circled and the seller's
// count-up; an A4 PDF.
#ifndef RESTOMER_PRINT_PICTURE_WORKSHEET_H_
#define RESTOMER_PRINT_PICTURE_WORKSHEET_H_

#include <QDate>
#include <QString>
#include <cstdint>

#include "core/conversions.h"
#include "core/currency.h"
#include "core/lesson.h"
#include "core/task_generator.h"

namespace restomer {

struct PictureSheetOptions {
  const Currency* currency = &kLev;
  const Level* level = FindPictureLevel(1);
  int tasks = kWorksheetTasks;
  std::uint64_t seed = 0;
  bool fewest = true;
  RegionalSettings settings;
  QDate date;
};

// The sheet of `lesson`, dated today, in the notation of the user's locale.
PictureSheetOptions pictureSheetOptionsOf(const Lesson& lesson);

// Writes the sheet to `path`, whole or not at all; an empty string, or one
// Bulgarian line on what went wrong.
QString writePictureWorksheet(const QString& path, const PictureSheetOptions& options);

}  // namespace restomer

#endif  // RESTOMER_PRINT_PICTURE_WORKSHEET_H_
