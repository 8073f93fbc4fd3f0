// The overview of a results file: who needs help and with what. Three
// tables (pupils, tasks, mistakes), each sortable by any column, the rows
// that could not be read, and exports: the shown table copied as
// tab-separated text, the overview as PDF or Excel. It follows the file
// while pupils practise, and only ever reads it.
#ifndef RESTOMER_WIDGETS_OVERVIEW_WINDOW_H_
#define RESTOMER_WIDGETS_OVERVIEW_WINDOW_H_

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "print/results_report.h"

class QLabel;
class QStandardItemModel;
class QTabWidget;
class QTableView;

namespace restomer {

class OverviewWindow : public QWidget {
  Q_OBJECT

 public:
  explicit OverviewWindow(const QString& path, QWidget* parent = nullptr);

  // Reads the file again when it changed since the last reading.
  void reloadIfChanged();

  QTabWidget* tabs() const { return tabs_; }
  QTableView* view(int table) const { return views_.at(table); }

  // "Копирай": the shown table, in its shown order, as tab-separated text.
  QString shownTable() const;

  // The page of the `pupil`-th pupil (in the file's order): their tasks
  // and how they did. Enter or a double-click on a pupil opens it.
  QWidget* showPupil(int pupil);

 private:
  void createControls();
  void reload();
  // The results file and the waiting files beside it, as they stand now.
  QString filesRead() const;
  void exportReport(const QString& extension, const QString& filter);

  QString path_;
  ResultsReport report_;
  QString filesRead_;  // each file read: its path, size and time
  QFileSystemWatcher watcher_;
  // A share sends no change notices: the file is polled too.
  QTimer poll_;
  QLabel* status_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  std::vector<QStandardItemModel*> models_;
  std::vector<QTableView*> views_;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_OVERVIEW_WINDOW_H_
