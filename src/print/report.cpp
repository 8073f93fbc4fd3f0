#include "print/report.h"

#include <QDir>
#include <QFileInfo>

#include "print/report_formats.h"

namespace restomer {
namespace {

const struct {
  const char* suffix;
  QString (*write)(const QString& path, const ResultsReport& report);
} kFormats[] = {{"pdf", writePdfReport}, {"xlsx", writeXlsxReport}};

}  // namespace

QString writeReport(const QString& path, const ResultsReport& report) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  for (const auto& format : kFormats) {
    if (suffix == QLatin1String(format.suffix)) return format.write(path, report);
  }
  return QStringLiteral("Отчетът „%1“ трябва да е .pdf или .xlsx.")
      .arg(QDir::toNativeSeparators(path));
}

}  // namespace restomer
