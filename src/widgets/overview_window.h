// The overview of results files and folders: a class over its lessons,
// who needs help and with what. Four tables (pupils, tasks, mistakes,
// lessons), each sortable by any column, two charts with their numbers, a
// filter bar that every table, chart and export follows, the rows that
// could not be read, and exports: the shown table copied as tab-separated
// text, the overview as PDF or Excel. It follows the files while pupils
// practise, and only ever reads them.
#ifndef RESTOMER_WIDGETS_OVERVIEW_WINDOW_H_
#define RESTOMER_WIDGETS_OVERVIEW_WINDOW_H_

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "io/results_report.h"

class QLabel;
class QStandardItemModel;
class QTabWidget;
class QTableView;

namespace restomer {

class ChartView;
class FilterBar;

class OverviewWindow : public QWidget {
  Q_OBJECT

 public:
  explicit OverviewWindow(const QStringList& paths, QWidget* parent = nullptr);

  // Reads the files again when any changed since the last reading.
  void reloadIfChanged();

  QTableView* view(int table) const { return views_.at(table); }
  FilterBar* filterBar() const { return filterBar_; }
  const ResultsReport& report() const { return report_; }
  const QStringList& paths() const { return paths_; }

  // "Копирай": the shown table, in its shown order, as tab-separated text.
  QString shownTable() const;

  // The page of the `pupil`-th pupil (in the file's order): their tasks
  // and how they did. Enter or a double-click on a pupil opens it.
  QWidget* showPupil(int pupil);

 private:
  void createControls();
  QWidget* createCharts();
  void reload();
  // Counts the rows the filter bar takes and shows them.
  void showFiltered();
  // The report, or with `slips` the slips, named so by default.
  void exportReport(const QString& extension, const QString& filter,
                    const QString& slips = QString());

  QStringList paths_;
  ResultsReport report_;
  QString filesRead_;  // each file read: its path, size and time
  QFileSystemWatcher watcher_;
  // A share sends no change notices: the file is polled too.
  QTimer poll_;
  QLabel* status_ = nullptr;
  FilterBar* filterBar_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  ChartView* mistakesChart_ = nullptr;
  ChartView* lessonsChart_ = nullptr;
  QStandardItemModel* mistakesNumbers_ = nullptr;
  QStandardItemModel* lessonsNumbers_ = nullptr;
  std::vector<QStandardItemModel*> models_;
  std::vector<QTableView*> views_;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_OVERVIEW_WINDOW_H_
