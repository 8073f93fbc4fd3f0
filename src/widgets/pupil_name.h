// The pupil's name, asked before the first task where the lesson wants it.
#ifndef RESTOMER_WIDGETS_PUPIL_NAME_H_
#define RESTOMER_WIDGETS_PUPIL_NAME_H_

#include <QString>
#include <optional>

class QWidget;

namespace restomer {

// Asks "Как се казваш?"; "Започни" takes a name, not blanks. The name
// typed, trimmed, or nothing when the pupil chose "Изход".
std::optional<QString> askPupilName(QWidget* parent = nullptr);

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_PUPIL_NAME_H_
