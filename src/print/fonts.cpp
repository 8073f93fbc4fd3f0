#include "print/fonts.h"

#include <QDir>
#include <QFontDatabase>

namespace restomer {

QFont windowFont() { return QFont(QStringLiteral("Times New Roman"), 12, QFont::Normal); }

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

}  // namespace restomer
