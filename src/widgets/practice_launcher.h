// Opens practice of any kind the same way: the pupil's name asked where the
// lesson says so, the lesson's seed or a new one, and the results file,
// opened once the application exists.
#ifndef RESTOMER_WIDGETS_PRACTICE_LAUNCHER_H_
#define RESTOMER_WIDGETS_PRACTICE_LAUNCHER_H_

#include <QString>

#include "core/lesson.h"

class QWidget;

namespace restomer {

// Starts practice of `lesson` in a window of its kind, deleted when it is
// closed; with `writeResults` every task is appended to the lesson's
// results file. Returns the window, or nullptr when the pupil chose "Изход"
// or the results file cannot be opened (`error` says why).
QWidget* openPractice(const Lesson& lesson, bool writeResults, QString& error,
                      QWidget* nameParent = nullptr);

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_PRACTICE_LAUNCHER_H_
