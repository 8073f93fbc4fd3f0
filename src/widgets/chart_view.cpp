#include "widgets/chart_view.h"

#include <QPainter>

namespace restomer {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(240, 160);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
}

void ChartView::setChart(const Chart& chart) {
  chart_ = chart;
  setAccessibleName(chart.title);
  update();
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintChart(painter, QRectF(rect()).adjusted(8, 8, -8, -8), chart_, font());
}

}  // namespace restomer
