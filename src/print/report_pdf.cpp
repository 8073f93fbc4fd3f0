#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "print/a4_pages.h"
#include "print/a4_pdf.h"
#include "print/chart.h"
#include "print/fonts.h"
#include "print/report_formats.h"

namespace restomer {
namespace {

constexpr int kTitlePoints = 16;
constexpr int kTablePoints = 10;

// Tables drawn from the top of a page down, a header row repeated on every
// page a table runs on.
class ReportPainter {
 public:
  explicit ReportPainter(A4Pages& pages) : pages_(pages) {
    font_ = windowFont();
    font_.setPointSize(kTablePoints);
    bold_ = font_;
    bold_.setBold(true);
  }

  const QFont& font() const { return font_; }

  void title(const QString& text, int points) {
    QFont font = windowFont();
    font.setPointSize(points);
    paragraph(text, font);
  }

  void paragraph(const QString& text, const QFont& font) {
    pages_.fit(pages_.text(text, font, false));
    pages_.text(text, font);
    pages_.advance(line() / 3);
  }

  void table(const ReportTable& table) {
    QFont heading = windowFont();
    heading.setPointSize(kTitlePoints - 3);
    if (table.rows.isEmpty()) {
      title(table.title, kTitlePoints - 3);
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
    // The title goes with the headings and a row at least.
    pages_.fit(pages_.text(table.title, heading, false) + line() / 3 +
               headingsHeight(table, widths) + line());
    paragraph(table.title, heading);
    drawHeadings(table, widths);
    for (const QStringList& texts : cells) {
      if (!pages_.fits(line())) {
        pages_.startPage();
        drawHeadings(table, widths);
      }
      drawRow(table, widths, texts, font_);
    }
    pages_.advance(line());
  }

  // The chart across the page, the table of its numbers under it.
  void chart(const Chart& chart) {
    const double height = pages_.mm(55);
    pages_.fit(height);
    if (pages_.painting()) {
      paintChart(pages_.painter(), QRectF(0, pages_.y(), pages_.width(), height), chart, font_);
    }
    pages_.advance(height + line() / 2);
    table(chartTable(chart));
  }

 private:
  double line() const { return QFontMetricsF(font_, &pages_.writer()).lineSpacing() * 1.4; }
  double padding() const { return pages_.mm(1); }

  void drawRow(const ReportTable& table, const QList<double>& widths, const QStringList& texts,
               const QFont& font) {
    if (pages_.painting()) {
      QPainter& painter = pages_.painter();
      painter.setFont(font);
      double x = 0;
      for (qsizetype k = 0; k < texts.size(); ++k) {
        const bool number = table.kinds[k] != ReportTable::Kind::kText &&
                            table.kinds[k] != ReportTable::Kind::kTime;
        painter.drawText(QRectF(x + padding(), pages_.y(), widths[k] - 2 * padding(), line()),
                         (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                         QFontMetricsF(font, &pages_.writer())
                             .elidedText(texts[k], Qt::ElideRight, widths[k] - 2 * padding()));
        x += widths[k];
      }
      painter.drawLine(QPointF(0, pages_.y() + line()), QPointF(x, pages_.y() + line()));
    }
    pages_.advance(line());
  }

  // The headings, each wrapped in its column's width.
  void drawHeadings(const ReportTable& table, const QList<double>& widths) {
    const double height = headingsHeight(table, widths);
    if (pages_.painting()) {
      QPainter& painter = pages_.painter();
      painter.setFont(bold_);
      double x = 0;
      for (qsizetype k = 0; k < table.headers.size(); ++k) {
        painter.drawText(QRectF(x + padding(), pages_.y(), widths[k] - 2 * padding(), height),
                         Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, table.headers[k]);
        x += widths[k];
      }
      painter.drawLine(QPointF(0, pages_.y() + height), QPointF(x, pages_.y() + height));
    }
    pages_.advance(height);
  }

  double headingsHeight(const ReportTable& table, const QList<double>& widths) const {
    const QFontMetricsF heading(bold_, &pages_.writer());
    double height = line();
    for (qsizetype k = 0; k < table.headers.size(); ++k) {
      const QRectF wrapped = heading.boundingRect(QRectF(0, 0, widths[k] - 2 * padding(), 1e6),
                                                  Qt::TextWordWrap, table.headers[k]);
      height = std::max(height, wrapped.height() + line() - heading.lineSpacing());
    }
    return height;
  }

  // The widest word of a heading: headings wrap at their spaces.
  static double widestWord(const QFontMetricsF& metrics, const QString& text) {
    double widest = 0;
    for (const QString& word : text.split(QLatin1Char(' '))) {
      widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    return widest;
  }

  // Each column as wide as its widest cell and its heading's widest word.
  // Where the page is not wide enough, the headings give way first, down to
  // their cells' width (a heading is read once, its cells in every row),
  // then every column in proportion.
  QList<double> columnWidths(const ReportTable& table, const QList<QStringList>& cells) const {
    const QFontMetricsF plain(font_, &pages_.writer());
    const QFontMetricsF heading(bold_, &pages_.writer());
    QList<double> widths, contents;
    double total = 0, totalContents = 0;
    for (qsizetype k = 0; k < table.headers.size(); ++k) {
      double content = 0;
      for (const QStringList& row : cells)
        content = std::max(content, plain.horizontalAdvance(row[k]));
      content += 3 * padding();  // a millimetre each side, and one to spare
      widths << std::max(content, widestWord(heading, table.headers[k]) + 3 * padding());
      contents << content;
      total += widths.back();
      totalContents += content;
    }
    const double excess = total - pages_.width();
    if (excess <= 0) return widths;
    const double headingsGive = total - totalContents;
    for (qsizetype k = 0; k < widths.size(); ++k) {
      widths[k] = excess <= headingsGive
                      ? widths[k] - (widths[k] - contents[k]) * excess / headingsGive
                      : contents[k] * pages_.width() / totalContents;
    }
    return widths;
  }

  A4Pages& pages_;
  QFont font_;
  QFont bold_;
};

}  // namespace

QString writePdfReport(const QString& path, const ResultsReport& report) {
  return writeA4Pdf(
      path, QStringLiteral("Restomer — резултати"), QStringLiteral("Отчетът"),
      [&report](QPdfWriter& writer) {
        // A class over its lessons has more columns than a portrait page.
        writer.setPageOrientation(QPageLayout::Landscape);
        A4Pages pages(writer);
        ReportPainter painter(pages);
        const std::vector<ReportTable> tables = report.tables();
        return pages.paint([&] {
          pages.startPage();
          painter.title(QStringLiteral("Restomer — резултати"), kTitlePoints);
          painter.paragraph(
              QStringLiteral("Прочетено: %1, на %2. Редове: %3.")
                  .arg(report.sources(), report.taken.toString(QStringLiteral("dd.MM.yyyy HH:mm")))
                  .arg(report.rows.size()),
              painter.font());
          for (const QString& note : report.notes()) {
            if (!note.isEmpty()) painter.paragraph(note, painter.font());
          }
          for (const ReportTable& table : tables) painter.table(table);
          pages.startPage();
          painter.chart(mistakesChart(report));
          painter.chart(lessonsChart(QStringLiteral("Верни по уроци"), report.overview.lessons));
        });
      });
}

}  // namespace restomer
