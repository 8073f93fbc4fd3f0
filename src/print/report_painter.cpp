#include "print/report_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "print/fonts.h"

namespace restomer {

ReportPainter::ReportPainter(A4Pages& pages) : pages_(pages) {
  font_ = windowFont();
  font_.setPointSize(kTablePoints);
  bold_ = font_;
  bold_.setBold(true);
}

void ReportPainter::title(const QString& text, int points) {
  QFont font = windowFont();
  font.setPointSize(points);
  paragraph(text, font);
}

void ReportPainter::paragraph(const QString& text, const QFont& font) {
  pages_.fit(pages_.text(text, font, false));
  pages_.text(text, font);
  pages_.advance(line() / 3);
}

void ReportPainter::table(const ReportTable& table) {
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
  pages_.fit(pages_.text(table.title, heading, false) + line() / 3 + headingsHeight(table, widths) +
             line());
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

void ReportPainter::chart(const Chart& chart) {
  const double height = pages_.mm(55);
  pages_.fit(height);
  if (pages_.painting()) {
    paintChart(pages_.painter(), QRectF(0, pages_.y(), pages_.width(), height), chart, font_);
  }
  pages_.advance(height + line() / 2);
  table(chartTable(chart));
}

void ReportPainter::drawRow(const ReportTable& table, const QList<double>& widths,
                            const QStringList& texts, const QFont& font) {
  if (pages_.painting()) {
    QPainter& painter = pages_.painter();
    painter.setFont(font);
    double x = 0;
    for (qsizetype k = 0; k < texts.size(); ++k) {
      const bool number =
          table.kinds[k] != ReportTable::Kind::kText && table.kinds[k] != ReportTable::Kind::kTime;
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

void ReportPainter::drawHeadings(const ReportTable& table, const QList<double>& widths) {
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

double ReportPainter::headingsHeight(const ReportTable& table, const QList<double>& widths) const {
  const QFontMetricsF heading(bold_, &pages_.writer());
  double height = line();
  for (qsizetype k = 0; k < table.headers.size(); ++k) {
    const QRectF wrapped = heading.boundingRect(QRectF(0, 0, widths[k] - 2 * padding(), 1e6),
                                                Qt::TextWordWrap, table.headers[k]);
    height = std::max(height, wrapped.height() + line() - heading.lineSpacing());
  }
  return height;
}

double ReportPainter::widestWord(const QFontMetricsF& metrics, const QString& text) {
  double widest = 0;
  for (const QString& word : text.split(QLatin1Char(' '))) {
    widest = std::max(widest, metrics.horizontalAdvance(word));
  }
  return widest;
}

QList<double> ReportPainter::columnWidths(const ReportTable& table,
                                          const QList<QStringList>& cells) const {
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

double ReportPainter::line() const {
  return QFontMetricsF(font_, &pages_.writer()).lineSpacing() * 1.4;
}

}  // namespace restomer
