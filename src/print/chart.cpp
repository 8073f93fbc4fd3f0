#include "print/chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>

namespace restomer {
namespace {

constexpr int kMostBars = 12;  // more would not be read
const QColor kInk(0x20, 0x20, 0x20);
const QColor kGrid(0xC8, 0xC8, 0xC8);
const QColor kBar(0x3A, 0x6E, 0xA5);

QString valueText(const Chart& chart, double value) {
  return chart.shares ? cellText(value, ReportTable::Kind::kShare)
                      : QLocale().toString(value, 'f', 0);
}

// The value axis: its top and the lines of its grid, at round numbers.
struct Axis {
  double top = 1;
  int lines = 4;
};

Axis axisOf(const Chart& chart) {
  if (chart.shares) return {1, 4};
  const double most = std::max(
      1.0,
      chart.values.isEmpty() ? 1 : *std::max_element(chart.values.begin(), chart.values.end()));
  // A step of 1, 2 or 5 times a power of ten, so that at most five lines
  // reach the most.
  const double power = std::pow(10, std::floor(std::log10(most / 5)));
  double step = power;
  for (double times : {1.0, 2.0, 5.0, 10.0}) {
    step = std::max(1.0, times * power);
    if (step * 5 >= most) break;
  }
  const int lines = static_cast<int>(std::ceil(most / step));
  return {lines * step, lines};
}

// The grid, its values at the left; returns the plot's area.
QRectF drawAxis(QPainter& painter, const QRectF& area, const Chart& chart, const Axis& axis) {
  const double top = axis.top;
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double left = metrics.horizontalAdvance(valueText(chart, top)) + metrics.height() / 2;
  const QRectF plot(area.left() + left, area.top() + metrics.height() / 2, area.width() - left,
                    area.height() - 2.5 * metrics.height());
  for (int k = 0; k <= axis.lines; ++k) {
    const double y = plot.bottom() - plot.height() * k / axis.lines;
    painter.setPen(QPen(k == 0 ? kInk : kGrid, 0));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(kInk);
    painter.drawText(QRectF(area.left(), y - metrics.height() / 2, left - metrics.height() / 4,
                            metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, valueText(chart, top * k / axis.lines));
  }
  return plot;
}

// The label under each of `count` places, elided to its width.
void drawLabels(QPainter& painter, const QRectF& plot, const QStringList& labels) {
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double width = plot.width() / std::max<qsizetype>(1, labels.size());
  for (qsizetype k = 0; k < labels.size(); ++k) {
    const QRectF cell(plot.left() + k * width, plot.bottom() + metrics.height() / 4, width,
                      metrics.height());
    painter.drawText(cell, Qt::AlignHCenter | Qt::AlignTop,
                     metrics.elidedText(labels[k], Qt::ElideMiddle, width - 2));
  }
}

void drawBars(QPainter& painter, const QRectF& plot, const Chart& chart, double top) {
  const double width = plot.width() / std::max<qsizetype>(1, chart.values.size());
  const QFontMetricsF metrics(painter.font(), painter.device());
  for (qsizetype k = 0; k < chart.values.size(); ++k) {
    const double height = plot.height() * chart.values[k] / top;
    const QRectF bar(plot.left() + (k + 0.2) * width, plot.bottom() - height, width * 0.6, height);
    painter.fillRect(bar, kBar);
    painter.setPen(kInk);
    painter.drawText(
        QRectF(bar.left() - width * 0.2, bar.top() - metrics.height(), width, metrics.height()),
        Qt::AlignHCenter | Qt::AlignBottom, valueText(chart, chart.values[k]));
  }
}

void drawLine(QPainter& painter, const QRectF& plot, const Chart& chart, double top) {
  const double width = plot.width() / std::max<qsizetype>(1, chart.values.size());
  const QFontMetricsF metrics(painter.font(), painter.device());
  QPainterPath path;
  QList<QPointF> points;
  for (qsizetype k = 0; k < chart.values.size(); ++k) {
    points << QPointF(plot.left() + (k + 0.5) * width,
                      plot.bottom() - plot.height() * chart.values[k] / top);
    if (k == 0) {
      path.moveTo(points.back());
    } else {
      path.lineTo(points.back());
    }
  }
  painter.setPen(QPen(kBar, metrics.height() / 6));
  painter.drawPath(path);
  const double dot = metrics.height() / 4;
  for (qsizetype k = 0; k < points.size(); ++k) {
    painter.setBrush(kBar);
    painter.drawEllipse(points[k], dot, dot);
    painter.setPen(kInk);
    painter.drawText(QRectF(points[k].x() - width / 2, points[k].y() - 1.3 * metrics.height(),
                            width, metrics.height()),
                     Qt::AlignHCenter | Qt::AlignBottom, valueText(chart, chart.values[k]));
    painter.setPen(QPen(kBar, metrics.height() / 6));
  }
}

}  // namespace

ReportTable chartTable(const Chart& chart) {
  ReportTable table{chart.title + QStringLiteral(": числата"),
                    {chart.labelHeading, chart.valueHeading},
                    {ReportTable::Kind::kText,
                     chart.shares ? ReportTable::Kind::kShare : ReportTable::Kind::kWhole},
                    {}};
  for (qsizetype k = 0; k < chart.labels.size(); ++k) {
    table.rows.append({chart.labels[k], chart.shares ? QVariant(chart.values[k])
                                                     : QVariant(qRound(chart.values[k]))});
  }
  return table;
}

void paintChart(QPainter& painter, const QRectF& area, const Chart& chart, const QFont& font) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(font);
  painter.setPen(kInk);
  const QFontMetricsF metrics(font, painter.device());
  painter.drawText(QRectF(area.left(), area.top(), area.width(), metrics.height()),
                   Qt::AlignLeft | Qt::AlignTop,
                   metrics.elidedText(chart.title, Qt::ElideRight, area.width()));
  const QRectF below = area.adjusted(0, 1.5 * metrics.height(), 0, 0);
  if (chart.values.isEmpty()) {
    painter.drawText(below, Qt::AlignCenter, QStringLiteral("Няма данни."));
  } else {
    const Axis axis = axisOf(chart);
    const double top = axis.top;
    const QRectF plot = drawAxis(painter, below, chart, axis);
    drawLabels(painter, plot, chart.labels);
    if (chart.kind == Chart::Kind::kBars) {
      drawBars(painter, plot, chart, top);
    } else {
      drawLine(painter, plot, chart, top);
    }
  }
  painter.restore();
}

Chart mistakesChart(const ResultsReport& report, const QLocale& notation) {
  Chart chart{Chart::Kind::kBars,
              QStringLiteral("Грешки по монети и банкноти"),
              QStringLiteral("Монета"),
              QStringLiteral("Грешки"),
              {},
              {},
              false};
  std::map<std::pair<std::string, std::string>, int> counts;
  std::vector<std::pair<std::string, std::string>> order;
  for (const MistakeLine& line : report.overview.mistakes) {
    if (line.kind == MistakeLine::Kind::kWrongChange) continue;
    const auto key = std::pair{line.currency, line.caption};
    if (counts[key] == 0) order.push_back(key);
    counts[key] += line.count;
  }
  std::stable_sort(order.begin(), order.end(),
                   [&counts](const auto& a, const auto& b) { return counts[a] > counts[b]; });
  for (const auto& key : order) {
    if (chart.labels.size() == kMostBars) break;
    chart.labels << denominationText(key.first, key.second, notation);
    chart.values << counts[key];
  }
  return chart;
}

Chart lessonsChart(const QString& title, const std::vector<LessonShare>& lessons) {
  Chart chart{Chart::Kind::kLine,
              title,
              QStringLiteral("Урок"),
              QStringLiteral("Верни, дял"),
              {},
              {},
              true};
  for (const LessonShare& lesson : lessons) {
    chart.labels << QString::fromStdString(lesson.lesson);
    chart.values << lesson.ShareRight();
  }
  return chart;
}

}  // namespace restomer
