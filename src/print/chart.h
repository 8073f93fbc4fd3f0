// A small chart that the overview window, the PDF report and the slips draw
// alike with QPainter: bars (the class's mistakes per coin) or a line (the
// share right lesson by lesson). Each is shown with a table of the same
// numbers, which `chartTable` makes.
#ifndef RESTOMER_PRINT_CHART_H_
#define RESTOMER_PRINT_CHART_H_

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "io/results_report.h"

class QPainter;

namespace restomer {

struct Chart {
  enum class Kind { kBars, kLine };
  Kind kind = Kind::kBars;
  QString title;
  QString labelHeading;  // what the labels are: "Монета", "Урок"
  QString valueHeading;  // what the values are: "Грешки", "Верни, дял"
  QStringList labels;    // under each bar or point
  QList<double> values;
  bool shares = false;  // values from 0 to 1, shown as percentages
};

// The chart's numbers as a table, its labels and values in columns.
ReportTable chartTable(const Chart& chart);

// Draws the chart into `area`, its title at the top, in `font`'s size.
void paintChart(QPainter& painter, const QRectF& area, const Chart& chart, const QFont& font);

// The class's mistakes per denomination, missing and not needed together,
// the most first; the share right in each lesson, for the class and for a
// pupil. The denominations are named in `notation` ("0,02 лв.").
Chart mistakesChart(const ResultsReport& report, const QLocale& notation = QLocale());
Chart lessonsChart(const QString& title, const std::vector<LessonShare>& lessons);

}  // namespace restomer

#endif  // RESTOMER_PRINT_CHART_H_
