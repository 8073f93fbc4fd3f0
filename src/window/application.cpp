#include "window/application.h"

#include <QApplication>
#include <QIcon>

QFont windowFont() { return QFont(QStringLiteral("Times New Roman"), 12, QFont::Normal); }

void setUpApplication() {
  QApplication::setApplicationName(QStringLiteral("Restomer"));
  QApplication::setApplicationVersion(QStringLiteral(RESTOMER_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/restomer.xpm")));
  QApplication::setFont(windowFont());
}
