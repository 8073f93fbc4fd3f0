// Informatics practice in a window: the pupil is given a coin system and an
// amount and types how many of each coin pay it with the fewest pieces, or
// says whether greedy gives the fewest there; "Провери" checks the answer
// and explains it with both ways of paying, "Следваща" sets the next task.
// The practice launcher opens it.
#ifndef RESTOMER_WIDGETS_INFORMATICS_PRACTICE_WINDOW_H_
#define RESTOMER_WIDGETS_INFORMATICS_PRACTICE_WINDOW_H_

#include <QWidget>
#include <vector>

#include "core/informatics_practice.h"
#include "core/lesson.h"
#include "core/results_row.h"
#include "widgets/practice_results.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QHBoxLayout;

namespace restomer {

class InformaticsPracticeWindow : public QWidget {
  Q_OBJECT

 public:
  InformaticsPracticeWindow(const Lesson& lesson, std::uint64_t seed, QWidget* parent = nullptr);
  ~InformaticsPracticeWindow() override;

  // Writes a row for every task answered or skipped to the results file at
  // `path`; the reason it cannot, or an empty string.
  QString writeResultsTo(const QString& path, ResultsContext context);

  const InformaticsTask& task() const { return practice_.task(); }
  const std::vector<QSpinBox*>& counts() const { return counts_; }
  QRadioButton* yes() const { return yes_; }
  QRadioButton* no() const { return no_; }
  QPushButton* checkButton() const { return check_; }
  QPlainTextEdit* explanation() const { return explanation_; }
  // The line that says results wait; hidden while none do.
  QLabel* notice() const { return notice_; }

  // "Провери" and "Следваща".
  void checkAnswer();
  void nextTask();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  void showTask();
  void showNotice();
  // The explanation of a task answered or skipped; "Следваща" goes on.
  void showAnswered(const TaskRecord& record);
  InformaticsAnswer answer() const;

  InformaticsPractice practice_;
  PracticeResults results_;
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
  QLabel* notice_ = nullptr;
  QPlainTextEdit* explanation_ = nullptr;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_INFORMATICS_PRACTICE_WINDOW_H_
