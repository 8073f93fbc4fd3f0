#include "io/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace restomer {
namespace {

// The catalogue the program carries, or the system's.
QString qtBulgarianCatalogue() {
  const QString carried = QStringLiteral(":/translations/qtbase_bg.qm");
  if (QFile::exists(carried)) return carried;
  return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_bg.qm");
}

}  // namespace

void installQtTranslations() {
  // Loaded once and installed into every application object the program
  // makes in turn: the command line's, then the window's.
  static QTranslator* const qt = [] {
    auto* translator = new QTranslator;
    if (!translator->load(qtBulgarianCatalogue())) {
      delete translator;
      return static_cast<QTranslator*>(nullptr);
    }
    return translator;
  }();
  if (qt != nullptr) QCoreApplication::installTranslator(qt);
}

}  // namespace restomer
