// A chart of the print layer's painter as a widget, for the overview and a
// pupil's page; the table beside it holds the same numbers.
#ifndef RESTOMER_WIDGETS_CHART_VIEW_H_
#define RESTOMER_WIDGETS_CHART_VIEW_H_

#include <QWidget>

#include "print/chart.h"

namespace restomer {

class ChartView : public QWidget {
  Q_OBJECT

 public:
  explicit ChartView(QWidget* parent = nullptr);
  void setChart(const Chart& chart);
  const Chart& chart() const { return chart_; }
  QSize sizeHint() const override { return {480, 260}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Chart chart_;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_CHART_VIEW_H_
