// The CSV file practice appends a row to for every task checked or skipped,
// which many computers may share. Each row is on the device before the
// pupil sees its verdict, and stays there until it is in the results file:
//   - in the results file itself, appended whole under a lock;
//   - when that file cannot be written now (Excel's lock, a file nobody may
//     write, a folder in its place) but its folder can, in this run's file
//     of waiting rows beside it, which the overview reads too;
//   - when the folder cannot be written (the share gone, a full disk), in
//     this computer's own data folder;
//   - in memory only when none of these can be written.
// Whoever next gets the results file's lock appends every run's waiting
// rows to it, in order, and removes their files. Rows carry ids, so a merge
// cut short is finished by the next writer without a row written twice.
// Nothing waits long for a lock: the window never freezes.
#ifndef RESTOMER_IO_RESULTS_FILE_H_
#define RESTOMER_IO_RESULTS_FILE_H_

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <vector>

#include "core/results_row.h"
#include "core/verdict.h"

namespace restomer {

class ResultsFile : public QObject {
  Q_OBJECT

 public:
  // Rows for the results file at `path`. The context's computer and run are
  // filled in where they are empty.
  ResultsFile(const QString& path, ResultsContext context, QObject* parent = nullptr);

  // Why `path` can never be a results file (a folder, a name the system
  // refuses), as one Bulgarian line; an empty string when it can be one,
  // whether or not it can be written now. Needs no application.
  static QString cannotBeFile(const QString& path);

  // Takes up the rows kept in this computer's data folder for the same file,
  // then writes what it can. The same line as cannotBeFile, or an empty
  // string: practice starts whatever state the file is in.
  QString open();

  // Appends the row of `record` after any that wait. An empty string when
  // every row is in the results file; otherwise why rows wait.
  QString append(const TaskRecord& record);

  // Writes what waits, as far as it can; also what the retry does every two
  // seconds while rows wait. An empty string when nothing waits any more.
  QString flush();

  const QString& path() const { return path_; }

  // The rows not yet in the results file, why, and the file that holds
  // them (empty while they are in memory only).
  int waiting() const { return static_cast<int>(pending_.size()); }
  QString reason() const { return reason_; }
  QString waitingIn() const { return waitingIn_; }

 signals:
  // The rows that wait changed: written, more of them, or kept elsewhere.
  void waitingChanged();

 private:
  // Writes what waits; with `evenWithNothingToWrite`, also when nothing of
  // this run's waits. An empty string when nothing waits.
  QString settle(bool evenWithNothingToWrite);
  // Appends every waiting row (this run's and those beside the file) under
  // the file's lock. An empty string, or why not.
  QString writeToResultsFile();
  // Puts the rows that wait into this run's waiting file, beside the
  // results file or else in the data folder.
  void keepOnDevice();
  // The waiting files of this run, and those of earlier runs it took up.
  void removeOwnWaitingFiles();

  QString path_;
  ResultsContext context_;
  std::vector<ResultRow> pending_;
  int sequence_ = 0;
  // Whether a row that waits may be in the results file already: one that
  // was in a waiting file, which another writer may have appended.
  bool mayBeWritten_ = false;
  QString reason_;
  QString waitingIn_;
  QStringList takenUp_;  // kept files of earlier runs, removed once written
  QTimer retry_;
};

}  // namespace restomer

#endif  // RESTOMER_IO_RESULTS_FILE_H_
