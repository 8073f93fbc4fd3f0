#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "io/system_reason.h"
#include "print/a4_pdf.h"
#include "print/fonts.h"
#include "print/report_formats.h"

namespace restomer {
namespace {

constexpr int kResolutionDpi = kPdfResolutionDpi;
constexpr int kTitlePoints = 16;
constexpr int kTablePoints = 10;

// Tables drawn from the top of a page down, a header row repeated on every
// page a table runs on, and "стр. N" at the foot of each page.
class ReportPainter {
 public:
  explicit ReportPainter(QPdfWriter& writer) : writer_(writer), painter_(&writer) {
    painter_.setPen(QPen(Qt::black, kPdfLinePoints * kResolutionDpi / 72));
    font_ = windowFont();
    font_.setPointSize(kTablePoints);
    bold_ = font_;
    bold_.setBold(true);
  }

  bool isActive() const { return painter_.isActive(); }
  bool finish() { return painter_.end(); }

  void title(const QString& text, int points) {
    QFont font = windowFont();
    font.setPointSize(points);
    paragraph(text, font);
  }

  void paragraph(const QString& text, const QFont& font) {
    painter_.setFont(font);
    const QRectF area(0, y_, writer_.width(), writer_.height());
    const QRectF used = painter_.boundingRect(area, Qt::TextWordWrap, text);
    fit(used.height());
    painter_.drawText(QRectF(0, y_, writer_.width(), used.height()), Qt::TextWordWrap, text);
    y_ += used.height() + line() / 3;
  }

  void table(const ReportTable& table) {
    title(table.title, kTitlePoints - 3);
    if (table.rows.isEmpty()) {
      paragraph(QStringLiteral("Няма редове."), font_);
      return;
    }
    QList<QStringList> cells;
    for (const QVariantList& row : table.rows) {
      QStringList texts;
      for (qsizetype k = 0; k < row.size(); ++k) texts << cellText(row[k], table.kinds[k]);
      cells << texts;
    }
    const QList<double> widths = columnWidths(table, cells);
    const auto drawRow = [&](const QStringList& texts, const QFont& font) {
      painter_.setFont(font);
      double x = 0;
      for (qsizetype k = 0; k < texts.size(); ++k) {
        const bool number = table.kinds[k] != ReportTable::Kind::kText &&
                            table.kinds[k] != ReportTable::Kind::kTime;
        painter_.drawText(QRectF(x + padding(), y_, widths[k] - 2 * padding(), line()),
                          (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                          QFontMetricsF(font, &writer_)
                              .elidedText(texts[k], Qt::ElideRight, widths[k] - 2 * padding()));
        x += widths[k];
      }
      y_ += line();
      painter_.drawLine(QPointF(0, y_), QPointF(x, y_));
    };
    fit(2 * line());
    drawRow(table.headers, bold_);
    for (const QStringList& texts : cells) {
      if (y_ + line() > bottom()) {
        newPage();
        drawRow(table.headers, bold_);
      }
      drawRow(texts, font_);
    }
    y_ += line();
  }

  void pageNumbers() { drawPageNumber(); }

 private:
  double line() const { return QFontMetricsF(font_, &writer_).lineSpacing() * 1.4; }
  double padding() const { return kResolutionDpi / 25.4; }  // a millimetre
  double bottom() const { return writer_.height() - line(); }

  // Each column as wide as its widest cell, narrowed in proportion where
  // the page is not wide enough.
  QList<double> columnWidths(const ReportTable& table, const QList<QStringList>& cells) const {
    const QFontMetricsF plain(font_, &writer_);
    const QFontMetricsF heading(bold_, &writer_);
    QList<double> widths;
    for (qsizetype k = 0; k < table.headers.size(); ++k) {
      double width = heading.horizontalAdvance(table.headers[k]);
      for (const QStringList& row : cells) width = std::max(width, plain.horizontalAdvance(row[k]));
      widths << width + 3 * padding();  // a millimetre each side, and one to spare
    }
    double total = 0;
    for (double width : widths) total += width;
    if (total > writer_.width()) {
      for (double& width : widths) width *= writer_.width() / total;
    }
    return widths;
  }

  void fit(double height) {
    if (y_ + height > bottom()) newPage();
  }

  void newPage() {
    drawPageNumber();
    writer_.newPage();
    ++page_;
    y_ = 0;
  }

  void drawPageNumber() {
    painter_.setFont(font_);
    painter_.drawText(QRectF(0, writer_.height() - line(), writer_.width(), line()),
                      Qt::AlignRight | Qt::AlignBottom, QStringLiteral("стр. %1").arg(page_));
  }

  QPdfWriter& writer_;
  QPainter painter_;
  QFont font_;
  QFont bold_;
  int page_ = 1;
  double y_ = 0;
};

}  // namespace

QString writePdfReport(const QString& path, const ResultsReport& report) {
  return writeA4Pdf(
      path, QStringLiteral("Restomer — резултати"), QStringLiteral("Отчетът"),
      [&report](QPdfWriter& writer) {
        ReportPainter painter(writer);
        if (!painter.isActive()) return false;
        painter.title(QStringLiteral("Restomer — резултати"), kTitlePoints);
        QFont font = windowFont();
        font.setPointSize(kTablePoints);
        painter.paragraph(
            QStringLiteral("Файл: %1. Прочетен на %2. Редове: %3.")
                .arg(QDir::toNativeSeparators(QFileInfo(report.file).absoluteFilePath()))
                .arg(report.taken.toString(QStringLiteral("dd.MM.yyyy HH:mm")))
                .arg(report.read.rows.size()),
            font);
        if (const QString unreadable = report.unreadable(); !unreadable.isEmpty()) {
          painter.paragraph(unreadable, font);
        }
        for (const ReportTable& table : report.tables()) painter.table(table);
        painter.pageNumbers();
        return painter.finish();
      });
}

}  // namespace restomer
