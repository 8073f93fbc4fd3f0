// The teacher's window: a lesson set up with the mouse, saved to a lesson
// file the pupils open with a double-click, tried as a pupil would, and
// written out as a worksheet.
#ifndef RESTOMER_WIDGETS_TEACHER_WINDOW_H_
#define RESTOMER_WIDGETS_TEACHER_WINDOW_H_

#include <QWidget>

#include "core/lesson.h"

class QCheckBox;
class QComboBox;
class QFileInfo;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace restomer {

class OverviewWindow;

class TeacherWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TeacherWindow(QWidget* parent = nullptr);

  // The lesson the window shows, and the file it came from (may be empty).
  Lesson lesson() const;
  void setLesson(const Lesson& lesson, const QString& file = QString());

  // What the buttons do once their file dialog has named a file. Each
  // returns an empty string, or the message it showed.
  QString openLesson(const QString& path);
  QString saveLesson(const QString& path);
  QString writeWorksheetTo(const QString& path);

  // "Опитай": the practice window of this lesson, as a pupil sees it. It
  // writes no results, so that a try leaves the class's file alone.
  void tryLesson();

  // "Резултати…": the overview of the lesson's results file, or of its
  // class's folder: the folder above the lesson's folder, which holds every
  // lesson of the class, each in a folder of its own.
  enum class Results { kLesson, kClass };
  OverviewWindow* showResults(Results which);

 private:
  void createControls();
  // Says beside the seed when it is no seed; returns what it says.
  QString checkSeed();
  bool confirmUnwritable(const QFileInfo& results);
  QFormLayout* createForm();
  void createKindControls();
  QHBoxLayout* createButtons();
  void fillLevels();
  TaskKind kind() const;
  // The settings of practice with pictures, which only it can change.
  void enableKindSettings();
  void drawNewSeed();
  void chooseResultsFile();
  void showFile(const QString& path);
  QString say(const QString& error);
  void showStatus(const QString& sentence, const QString& path);

  QComboBox* currency_ = nullptr;
  QFormLayout* form_ = nullptr;
  QComboBox* kind_ = nullptr;
  QComboBox* level_ = nullptr;
  // Practice with pictures' own settings.
  QComboBox* fewest_ = nullptr;
  QCheckBox* readAloud_ = nullptr;
  QCheckBox* amountsInWords_ = nullptr;
  QSpinBox* tasks_ = nullptr;
  QLineEdit* seed_ = nullptr;
  QLabel* seedProblem_ = nullptr;
  QPushButton* newSeed_ = nullptr;
  QCheckBox* differentTasks_ = nullptr;
  QLineEdit* results_ = nullptr;
  QCheckBox* askName_ = nullptr;
  QLabel* status_ = nullptr;
  QString file_;
  // The opened lesson's coin system, which this window does not show: a
  // lesson saved again keeps it.
  Coins coins_;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_TEACHER_WINDOW_H_
