#include "print/a4_pdf.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

#include "io/system_reason.h"

namespace restomer {

QString writeA4Pdf(const QString& path, const QString& title, const QString& what,
                   const std::function<bool(QPdfWriter&)>& draw) {
  QSaveFile file(path);
  const auto failed = [&] {
    return QStringLiteral("%1 „%2“ не може да бъде записан: %3.")
        .arg(what, QDir::toNativeSeparators(path), systemReason(file.errorString()));
  };
  if (!file.open(QIODevice::WriteOnly)) return failed();
  {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                          QPageLayout::Millimeter);
    writer.setResolution(kPdfResolutionDpi);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Restomer"));
    if (!draw(writer)) return failed();
  }
  return file.commit() ? QString() : failed();
}

}  // namespace restomer
