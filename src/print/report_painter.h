// Reports and slips drawn from the top of A4 pages down: titles,
// paragraphs, tables whose headings repeat on every page a table runs on,
// and charts with the table of their numbers.
#ifndef RESTOMER_PRINT_REPORT_PAINTER_H_
#define RESTOMER_PRINT_REPORT_PAINTER_H_

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include "io/results_report.h"
#include "print/a4_pages.h"
#include "print/chart.h"

class QFontMetricsF;

namespace restomer {

inline constexpr int kTitlePoints = 16;
inline constexpr int kTablePoints = 10;

class ReportPainter {
 public:
  explicit ReportPainter(A4Pages& pages);

  const QFont& font() const { return font_; }

  void title(const QString& text, int points);
  // A paragraph that starts a new page where it does not fit.
  void paragraph(const QString& text, const QFont& font);

  // The table's title, its headings, repeated on each page it runs on, and
  // its rows.
  void table(const ReportTable& table);

  // The chart across the page, the table of its numbers under it.
  void chart(const Chart& chart);

 private:
  double line() const;
  double padding() const { return pages_.mm(1); }

  void drawRow(const ReportTable& table, const QList<double>& widths, const QStringList& texts,
               const QFont& font);

  // The headings, each wrapped in its column's width.
  void drawHeadings(const ReportTable& table, const QList<double>& widths);

  double headingsHeight(const ReportTable& table, const QList<double>& widths) const;

  // The widest word of a heading: headings wrap at their spaces.
  static double widestWord(const QFontMetricsF& metrics, const QString& text);

  // Each column as wide as its widest cell and its heading's widest word.
  // Where the page is not wide enough, the headings give way first, down to
  // their cells' width (a heading is read once, its cells in every row),
  // then every column in proportion.
  QList<double> columnWidths(const ReportTable& table, const QList<QStringList>& cells) const;

  A4Pages& pages_;
  QFont font_;
  QFont bold_;
};

}  // namespace restomer

#endif  // RESTOMER_PRINT_REPORT_PAINTER_H_
