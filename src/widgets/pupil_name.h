// The pupil's name, asked before the first task where the lesson wants it.
#ifndef RESTOMER_WINDOW_PUPIL_NAME_H_
#define RESTOMER_WINDOW_PUPIL_NAME_H_

#include <QString>
#include <optional>

class QWidget;

// Asks "Как се казваш?". The name typed, trimmed (it may be empty), or
// nothing when the pupil cancelled.
std::optional<QString> askPupilName(QWidget* parent = nullptr);

#endif  // RESTOMER_WINDOW_PUPIL_NAME_H_
