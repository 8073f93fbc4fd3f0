// Practice with pictures in a window, for the youngest pupils: the purchase
// as a picture story, the customer's payment, the counter and the till.
// The pupil puts the change on the counter (a click, a drag, or Space on a
// piece of the till; a click takes a piece back), "Готово" checks, and a
// wrong answer is explained by the seller's count-up in pictures, a step at
// a time. "Прочети" reads the task aloud. The practice launcher opens it.
#ifndef RESTOMER_WIDGETS_PICTURE_PRACTICE_WINDOW_H_
#define RESTOMER_WIDGETS_PICTURE_PRACTICE_WINDOW_H_

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "core/lesson.h"
#include "core/picture_practice.h"
#include "core/picture_wording.h"
#include "core/results_row.h"
#include "widgets/practice_results.h"
#include "widgets/voice.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QVBoxLayout;

namespace restomer {

class PieceButton;
class PieceTray;

class PicturePracticeWindow : public QWidget {
  Q_OBJECT

 public:
  PicturePracticeWindow(const Lesson& lesson, std::uint64_t seed,
                        std::unique_ptr<Voice> voice = systemVoice(), QWidget* parent = nullptr);
  ~PicturePracticeWindow() override;

  // Writes a row for every task answered or skipped to the results file at
  // `path`; the reason it cannot, or an empty string.
  QString writeResultsTo(const QString& path, ResultsContext context);

  const PicturePractice& practice() const { return practice_; }
  PieceButton* tillPiece(std::int64_t value) const;
  PieceTray* counter() const { return counter_; }
  QPushButton* doneButton() const { return done_; }
  QPushButton* stepButton() const { return step_; }
  QPushButton* nextButton() const { return next_; }
  QPushButton* readButton() const { return read_; }
  QLabel* story() const { return story_; }
  QLabel* words() const { return words_; }
  QLabel* verdict() const { return verdict_; }
  // The count-up's steps shown so far, the closing line last once all are.
  int stepsShown() const;
  QLabel* notice() const { return notice_; }

  // "Готово", "Следваща стъпка", "Следваща задача" and "Прочети".
  void checkAnswer();
  void showNextStep();
  void nextTask();
  void readAloud();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  QWidget* createStory();
  QWidget* createTill();
  QWidget* createExplanation();
  void showTask();
  void showCounter();
  void showNotice();
  void give(std::int64_t value);
  void takeBack(std::int64_t value);
  // The explanation of a task answered or skipped.
  void showAnswered(const std::optional<PictureCheck>& check);
  Payment given() const;
  PieceButton* newPiece(std::int64_t value) const;
  void fitScreen();

  PicturePractice practice_;
  PictureWording wording_;
  PracticeResults results_;
  std::unique_ptr<Voice> voice_;
  bool readEachTask_;
  bool showWords_;
  // The pieces on the counter: count by value, largest first.
  std::map<std::int64_t, std::int64_t, std::greater<>> given_;

  // The task, which scrolls on a small screen.
  QScrollArea* task_ = nullptr;
  QLabel* progress_ = nullptr;
  QLabel* item_ = nullptr;
  QLabel* story_ = nullptr;
  QLabel* words_ = nullptr;
  PieceTray* handed_ = nullptr;
  QPushButton* read_ = nullptr;
  PieceTray* counter_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  std::vector<PieceButton*> till_;
  QLabel* verdict_ = nullptr;
  QVBoxLayout* steps_ = nullptr;
  std::vector<QWidget*> stepRows_;
  QPushButton* done_ = nullptr;
  QPushButton* step_ = nullptr;
  QPushButton* next_ = nullptr;
  QLabel* notice_ = nullptr;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_PICTURE_PRACTICE_WINDOW_H_
