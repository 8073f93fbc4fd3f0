// The results file of a practice, whatever its kind: every task answered or
// skipped is appended; the pupil is told in one short line while rows wait,
// and at the end, where the rows that still wait are kept.
#ifndef RESTOMER_WIDGETS_PRACTICE_RESULTS_H_
#define RESTOMER_WIDGETS_PRACTICE_RESULTS_H_

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "core/results_row.h"
#include "core/verdict.h"

namespace restomer {

class ResultsFile;

class PracticeResults : public QObject {
  Q_OBJECT

 public:
  explicit PracticeResults(QObject* parent = nullptr);
  ~PracticeResults() override;

  // Appends to `results`, which must outlive this object.
  void keepIn(ResultsFile* results);
  // Appends to the results file at `path`, which this object opens and
  // owns. An empty string, or why the path can never be a results file.
  QString open(const QString& path, ResultsContext context);

  void append(const TaskRecord& record);

  // "Резултатите от 2 задачи чакат: …" while rows wait; empty otherwise.
  QString notice() const;

  // Practice ends: the task `left` open is appended, what waits is tried
  // once more, and what still waits is said in a message box.
  void finish(const std::optional<TaskRecord>& left);

 signals:
  // The notice changed.
  void waitingChanged();

 private:
  std::unique_ptr<ResultsFile> own_;
  ResultsFile* results_ = nullptr;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_PRACTICE_RESULTS_H_
