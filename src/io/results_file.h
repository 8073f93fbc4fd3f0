// The CSV file practice appends a row to for every task checked or skipped,
// which many computers may share. Each row is appended whole, under a lock,
// and a row that fails is taken back, so no row written before is harmed.
// A row that cannot be written now (the file locked, the disk full, the
// share gone) waits, in order, and is written as soon as it can be; what
// still waits when practice ends is kept in the user's own data folder and
// written at the next start with the same file. Nothing ever waits for the
// lock: the window never freezes.
#ifndef RESTOMER_IO_RESULTS_FILE_H_
#define RESTOMER_IO_RESULTS_FILE_H_

#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <string>

#include "core/results_row.h"
#include "core/verdict.h"

namespace restomer {

class ResultsFile : public QObject {
  Q_OBJECT

 public:
  ResultsFile(const QString& path, const ResultsContext& context, QObject* parent = nullptr);

  // Makes sure the file at `path` can be appended to, writing the
  // byte-order mark and the header row when it is new. An empty string when
  // it can; otherwise one Bulgarian line with the system's reason. Needs no
  // application: practice says a file that cannot be opened before the
  // window system is reached.
  static QString prepare(const QString& path);

  // Prepares the file (see prepare), then writes the rows an earlier run
  // left waiting.
  QString open();

  // Appends the row of `record`, after any that wait. An empty string when
  // every row is written; otherwise why the rows wait.
  QString append(const TaskRecord& record);

  const QString& path() const { return path_; }

  // The rows that wait, and why.
  int waiting() const { return static_cast<int>(waiting_.size()); }
  QString reason() const { return reason_; }

  // Writes what waits, in order, as far as it can. An empty string when
  // nothing waits any more.
  QString flush();

  // Keeps the rows that still wait in the user's data folder, for the next
  // start with this file. Returns that file, or an empty string when
  // nothing waits.
  QString keepWaiting();

  // Where the rows waiting for `path` are kept between runs.
  static QString waitingFileFor(const QString& path);

 signals:
  // The rows that wait changed: written, or more of them.
  void waitingChanged();

 private:
  // Appends `text` whole to the file at `path`, or nothing and says why.
  static QString appendWhole(const QString& path, const std::string& text, bool onlyWhenEmpty);

  QString path_;
  ResultsContext context_;
  std::deque<std::string> waiting_;
  QString reason_;
  // The file of rows an earlier run kept, while some of them wait.
  QString keptFrom_;
  QTimer retry_;
};

}  // namespace restomer

#endif  // RESTOMER_IO_RESULTS_FILE_H_
