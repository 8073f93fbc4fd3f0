#include "widgets/pupil_name.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QPushButton>

namespace restomer {

std::optional<QString> askPupilName(QWidget* parent) {
  QInputDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Restomer: име на ученика"));
  dialog.setLabelText(QStringLiteral("Как се казваш?"));
  dialog.setOkButtonText(QStringLiteral("Започни"));
  dialog.setCancelButtonText(QStringLiteral("Изход"));
  // A row with a name of blanks would be no one's: "Започни" waits for a name.
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    QPushButton* start = buttons->button(QDialogButtonBox::Ok);
    start->setEnabled(false);
    QObject::connect(&dialog, &QInputDialog::textValueChanged, start, [start](const QString& name) {
      start->setEnabled(!name.trimmed().isEmpty());
    });
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().trimmed();
}

}  // namespace restomer
