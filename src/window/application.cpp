#include "window/application.h"

#include <QApplication>
#include <QIcon>

QFont windowFont() { return QFont(QStringLiteral("Times New Roman"), 12, QFont::Normal); }

void setUpApplication() {
  QApplication::setApplicationName(QStringLiteral("Restomer"));
  QApplication::setApplicationVersion(QStringLiteral(RESTOMER_VERSION));
  // The window's app id under Wayland: its desktop entry's id.
  QApplication::setDesktopFileName(QStringLiteral(RESTOMER_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/restomer.xpm")));
  QApplication::setFont(windowFont());
}
