#include "widgets/application.h"

#include <QApplication>
#include <QIcon>

#include "io/application_identity.h"
#include "io/translations.h"
#include "print/fonts.h"

namespace restomer {

void setUpApplication() {
  setUpApplicationIdentity();
  installQtTranslations();
  // The window's app id under Wayland: its desktop entry's id.
  QApplication::setDesktopFileName(QStringLiteral(RESTOMER_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/restomer.xpm")));
  QApplication::setFont(windowFont());
}

}  // namespace restomer
