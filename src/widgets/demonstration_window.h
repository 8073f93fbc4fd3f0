// The program's only window: the controls of the form, drawn with their
// fixed layout, colours and font, and the two buttons wired to the logic.
#ifndef RESTOMER_WIDGETS_MAIN_WINDOW_H_
#define RESTOMER_WIDGETS_MAIN_WINDOW_H_

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/conversions.h"
#include "core/currency.h"
#include "core/form_content.h"
#include "core/practice.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace restomer {

class PracticeController;
class ResultCheckBox;
class ResultsFile;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows the banknotes and coins of `currency`, lev unless told otherwise.
  // In practice the window sets the tasks of the options' seed and level,
  // the learner types the change and ticks the pieces, and "Въведи" checks
  // them.
  explicit MainWindow(const RegionalSettings& settings, const Currency& currency = kLev,
                      std::optional<PracticeOptions> practice = std::nullopt,
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  // In practice, appends a row to `results` for every task checked or
  // skipped. The file must outlive the window.
  void keepResultsIn(ResultsFile* results);

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

 private:
  void createControls();
  void chainTabOrder();
  void pinLightPalette();
  void letTheLearnerAnswer();
  // Runs the click of Command1(index) on what the controls hold and shows
  // the result.
  void command1Click(int index);
  void showRoundSummary();
  // Keeps the line on results that wait at the top of the trace box, or
  // takes it away once they are written.
  void showResultsNotice();
  void closeEvent(QCloseEvent* event) override;
  FormContent contentOnScreen() const;
  void showContent(const FormContent& content);

  RegionalSettings settings_;
  const Currency& currency_;
  // Set in practice only.
  std::unique_ptr<PracticeController> practice_;
  QString shownNotice_;
  std::array<QLabel*, 4> label1_{};
  QGroupBox* frame1_ = nullptr;
  std::vector<ResultCheckBox*> check1_;
  QPlainTextEdit* text1_ = nullptr;
  std::array<QLineEdit*, 3> text3_{};
  std::array<QPushButton*, 2> command1_{};
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_MAIN_WINDOW_H_
