// The worksheet of a lesson, of the lesson's kind: purchases, purchases
// with pictures, or informatics tasks.
#ifndef RESTOMER_PRINT_LESSON_WORKSHEET_H_
#define RESTOMER_PRINT_LESSON_WORKSHEET_H_

#include <QString>

#include "core/lesson.h"

namespace restomer {

// Writes it to `path`, whole or not at all; an empty string, or one
// Bulgarian line on what went wrong. A lesson without a seed gets a new one.
QString writeLessonWorksheet(const QString& path, const Lesson& lesson);

}  // namespace restomer

#endif  // RESTOMER_PRINT_LESSON_WORKSHEET_H_
