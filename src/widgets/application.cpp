#include "window/application.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QIcon>

QFont windowFont() { return QFont(QStringLiteral("Times New Roman"), 12, QFont::Normal); }

void setUpApplicationIdentity() {
  QCoreApplication::setApplicationName(QStringLiteral("Restomer"));
  QCoreApplication::setApplicationVersion(QStringLiteral(RESTOMER_VERSION));
}

void useCarriedFonts() {
  const QDir carried(QStringLiteral(":/fonts"));
  QString family;
  for (const QString& file : carried.entryList(QDir::Files)) {
    const int id = QFontDatabase::addApplicationFont(carried.filePath(file));
    if (id >= 0 && family.isEmpty()) family = QFontDatabase::applicationFontFamilies(id).value(0);
  }
  const QString times = windowFont().family();
  if (!family.isEmpty() && !QFontDatabase::families().contains(times)) {
    QFont::insertSubstitution(times, family);
  }
}

void setUpApplication() {
  setUpApplicationIdentity();
  // The window's app id under Wayland: its desktop entry's id.
  QApplication::setDesktopFileName(QStringLiteral(RESTOMER_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/restomer.xpm")));
  QApplication::setFont(windowFont());
}
