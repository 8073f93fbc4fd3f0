// Informatics practice: the pupil is given a coin system and an amount and
// types how many of each coin pay it with the fewest pieces, or says
// whether greedy gives the fewest there; "Провери" checks the answer and
// explains it with both ways of paying, "Следваща" sets the next task. The
// tasks are the level's for the seed, and each answer is a row of the
// class's results file.
#ifndef RESTOMER_WIDGETS_INFORMATICS_PRACTICE_WINDOW_H_
#define RESTOMER_WIDGETS_INFORMATICS_PRACTICE_WINDOW_H_

#include <QWidget>
#include <memory>
#include <vector>

#include "core/informatics_tasks.h"
#include "core/lesson.h"
#include "core/results_row.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QHBoxLayout;

namespace restomer {

class ResultsFile;

class InformaticsPractice : public QWidget {
  Q_OBJECT

 public:
  InformaticsPractice(const Lesson& lesson, std::uint64_t seed, QWidget* parent = nullptr);
  ~InformaticsPractice() override;

  // Writes a row for every answer to the results file at `path`; the
  // reason it cannot, or an empty string.
  QString writeResultsTo(const QString& path, ResultsContext context);

  const InformaticsTask& task() const { return task_; }
  const std::vector<QSpinBox*>& counts() const { return counts_; }
  QRadioButton* yes() const { return yes_; }
  QRadioButton* no() const { return no_; }
  QPushButton* checkButton() const { return check_; }
  QPushButton* nextButton() const { return next_; }
  QPlainTextEdit* explanation() const { return explanation_; }

  // "Провери" and "Следваща".
  void checkAnswer();
  void nextTask();

 private:
  void createControls();
  void showTask();
  bool answerIsRight() const;
  void writeRow(bool right);

  InformaticsTasks tasks_;
  InformaticsTask task_;
  const InformaticsLevel& level_;
  int roundSize_;
  int number_ = 0;  // of the tasks set so far
  int right_ = 0;   // in this round
  bool checked_ = false;
  QLabel* progress_ = nullptr;
  QLabel* question_ = nullptr;
  QWidget* countsBox_ = nullptr;
  QHBoxLayout* countsLayout_ = nullptr;
  std::vector<QSpinBox*> counts_;
  QWidget* yesNoBox_ = nullptr;
  QRadioButton* yes_ = nullptr;
  QRadioButton* no_ = nullptr;
  QPushButton* check_ = nullptr;
  QPushButton* next_ = nullptr;
  QPlainTextEdit* explanation_ = nullptr;
  std::unique_ptr<ResultsFile> results_;
};

// Starts informatics practice of `lesson` as practice starts: the name asked
// where the lesson asks it, its results file opened where it has one. The
// window, or nullptr with `error` (empty when the pupil cancelled).
InformaticsPractice* openInformaticsPractice(const Lesson& lesson, QString& error);

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_INFORMATICS_PRACTICE_WINDOW_H_
