// The demonstration window: the controls of the form, drawn with their
// fixed layout, colours and font, and the two buttons wired to the logic.
// Practice runs in the same window as a session beside it (PracticeSession),
// which tells the window that the pupil answers and then hears its clicks.
#ifndef RESTOMER_WIDGETS_DEMONSTRATION_WINDOW_H_
#define RESTOMER_WIDGETS_DEMONSTRATION_WINDOW_H_

#include <QWidget>
#include <array>
#include <vector>

#include "core/conversions.h"
#include "core/currency.h"
#include "core/form_content.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace restomer {

class ResultCheckBox;

class DemonstrationWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows the banknotes and coins of `currency`, lev unless told otherwise.
  explicit DemonstrationWindow(const RegionalSettings& settings, const Currency& currency = kLev,
                               QWidget* parent = nullptr);

  // The pupil answers from now on: the change box takes the change typed
  // and has the focus, the denomination boxes take ticks, Enter in the price
  // or paid box moves to the change box, and the clicks of the buttons (and
  // Enter in the change box) and amounts typed are reported (clicked,
  // amountsEdited) instead of answered by the window.
  void letThePupilAnswer();

  // What the controls hold; shows `content` in them.
  FormContent content() const;
  void showContent(const FormContent& content);

  // Gives the change box the keyboard focus, for the next answer.
  void focusAnswer();

  // Puts the pupil's name in front of the window's title, so that a teacher
  // walking past sees who practises; an empty name changes nothing.
  void showPupilName(const QString& name);

  // The controls, by the names and indices the logic uses for them.
  QLineEdit* text3(int index) const { return text3_.at(index); }
  ResultCheckBox* check1(int index) const { return check1_.at(index); }
  int check1Count() const { return static_cast<int>(check1_.size()); }
  QPlainTextEdit* text1() const { return text1_; }
  QPushButton* command1(int index) const { return command1_.at(index); }
  QLabel* label1(int index) const { return label1_.at(index); }
  QGroupBox* frame1() const { return frame1_; }

 signals:
  // While the pupil answers: Command1(index) was clicked.
  void clicked(int index);
  // While the pupil answers: the price or paid box was typed into.
  void amountsEdited();
  // The window is being closed.
  void closing();

 private:
  void createControls();
  void chainTabOrder();
  void pinLightPalette();
  // Answers the click of Command1(index) on what the controls hold, or
  // reports it while the pupil answers.
  void command1Click(int index);
  void closeEvent(QCloseEvent* event) override;

  RegionalSettings settings_;
  const Currency& currency_;
  bool pupilAnswers_ = false;
  std::array<QLabel*, 4> label1_{};
  QGroupBox* frame1_ = nullptr;
  std::vector<ResultCheckBox*> check1_;
  QPlainTextEdit* text1_ = nullptr;
  std::array<QLineEdit*, 3> text3_{};
  std::array<QPushButton*, 2> command1_{};
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_DEMONSTRATION_WINDOW_H_
