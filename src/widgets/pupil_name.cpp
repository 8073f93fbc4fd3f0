#include "widgets/pupil_name.h"

#include <QInputDialog>

namespace restomer {

std::optional<QString> askPupilName(QWidget* parent) {
  QInputDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Restomer: име на ученика"));
  dialog.setLabelText(QStringLiteral("Как се казваш?"));
  dialog.setOkButtonText(QStringLiteral("Започни"));
  dialog.setCancelButtonText(QStringLiteral("Изход"));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().trimmed();
}

}  // namespace restomer
