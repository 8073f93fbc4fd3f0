// Lesson files: a lesson a teacher saves once and every pupil opens with a
// double-click. A small UTF-8 INI file, extension ".restomer":
//   [Lesson]
//   Currency=lev|euro  Level=1..5  Tasks=0..100 (0: no rounds)
//   Seed=N (absent: every start differs)  Results=PATH (absent: none)
//   AskName=true|false
// A relative Results path is relative to the lesson file's folder. Keys the
// program does not know are passed over.
#ifndef RESTOMER_IO_LESSON_FILE_H_
#define RESTOMER_IO_LESSON_FILE_H_

#include <QString>

#include "core/lesson.h"

namespace restomer {

// The extension of lesson files, without its dot.
inline constexpr char kLessonSuffix[] = "restomer";

// Reads the lesson file at `path` over `lesson`: each key the file holds
// replaces that value. An empty string when the file was read whole;
// otherwise one Bulgarian line naming the file, the key and what is wrong,
// and `lesson` is left as it was.
QString readLessonFile(const QString& path, Lesson& lesson);

// The results file `results` names for a lesson in `folder`, where a name
// without a folder is the lesson folder's; empty when the file's folder
// does not exist, which `missingFolder` then names.
QString resultsBesideLesson(const QString& folder, const QString& results, QString& missingFolder);

// Writes `lesson` to `path`, whole or not at all; a results file in the
// lesson's folder, or below it, is written relative to it. The pupil's name
// is not part of the file. An empty string, or one Bulgarian line with the
// system's reason.
QString writeLessonFile(const QString& path, const Lesson& lesson);

}  // namespace restomer

#endif  // RESTOMER_IO_LESSON_FILE_H_
