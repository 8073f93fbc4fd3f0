#include "window/application.h"

#include <QApplication>
#include <QIcon>

QFont windowFont() { return QFont(QStringLiteral("Times New Roman"), 12, QFont::Normal); }

void setUpApplicationIdentity() {
  QCoreApplication::setApplicationName(QStringLiteral("Restomer"));
  QCoreApplication::setApplicationVersion(QStringLiteral(RESTOMER_VERSION));
}

void setUpApplication() {
  setUpApplicationIdentity();
  // The window's app id under Wayland: its desktop entry's id.
  QApplication::setDesktopFileName(QStringLiteral(RESTOMER_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/restomer.xpm")));
  QApplication::setFont(windowFont());
}
