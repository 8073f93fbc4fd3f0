// Lesson files as the program reads them, the teacher's window that writes
// them, and a lesson file on the command line.
#include "core/lesson.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "io/command_line.h"
#include "io/lesson_file.h"
#include "io/translations.h"
#include "print/worksheet.h"
#include "widgets/overview_window.h"
#include "widgets/pupil_name.h"
#include "widgets/teacher_window.h"

namespace restomer {
namespace {

using restomer::Lesson;

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
  const QString path = dir.filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
  return path;
}

TEST(LessonFile, ReadsEachKeyAndRefusesWhatIsWrong) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("клас")));
  const auto inDir = [&dir](const char* name) {
    return QDir::toNativeSeparators(dir.filePath(QString::fromUtf8(name))).toStdString();
  };
  const auto lesson = [](auto change) {
    Lesson lesson;
    change(lesson);
    return lesson;
  };
  const struct {
    QByteArray text;  // the file; empty: there is none
    Lesson expected;
    QString error;  // what the message must contain; empty: none
  } cases[] = {
      {"[Lesson]\n", Lesson{}, ""},
      {"[Lesson]\nCurrency=euro\nLevel=2\nTasks=10\nSeed=2026\nAskName=true\nColour=red\n",
       lesson([](Lesson& l) {
         l.currency = &restomer::kEuro, l.level = 2, l.tasks = 10, l.seed = 2026;
         l.ask_name = true;
       }),
       ""},
      {"[Lesson]\nTasks=0\nSeed=18446744073709551615\nAskName=false\n",
       lesson([](Lesson& l) { l.seed = 18446744073709551615ull; }), ""},
      {"[Lesson]\nResults=клас/резултати.csv\n",
       lesson([&](Lesson& l) { l.results = inDir("клас/резултати.csv"); }), ""},
      {"[Lesson]\nResults=\"" + QDir(dir.path()).filePath("r, 1.csv").toUtf8() + "\"\n",
       lesson([&](Lesson& l) { l.results = inDir("r, 1.csv"); }), ""},
      {"[Lesson]\nResults=r, 1.csv\n",
       {},
       "Results=r,1.csv — стойност със запетая се пише в кавички."},
      {"[Lesson]\nCoins=1 3 4\n", lesson([](Lesson& l) {
         l.coins = {4, 3, 1};
         l.kind = TaskKind::kInformatics;
       }),
       ""},
      {"[Lesson]\nLevel=6\nCoins=1 3 4\n", {}, "Level=6 — трябва да е цяло число от 1 до 5."},
      {"[Lesson]\nKind=pictures\nLevel=8\nFewestPieces=false\nReadAloud=true\n"
       "AmountsInWords=true\n",
       lesson([](Lesson& l) {
         l.kind = TaskKind::kPictures, l.level = 8, l.fewest_pieces = false;
         l.read_aloud = l.amounts_in_words = true;
       }),
       ""},
      {"[Lesson]\nKind=pictures\nCoins=1 3\n", {}, "урок с монети (Coins=) е по информатика."},
      {"[Lesson]\nKind=informatics\nLevel=8\n", {}, "Level=8 — трябва да е цяло число от 1 до 5."},
      {"[Lesson]\nKind=coins\n", {}, "Kind=coins — видът може да бъде purchases, pictures или"},
      {"[Lesson]\nCoins=1 3 3\n", {}, "Coins=1 3 3 — монетата 3 е дадена два пъти."},
      {"[Lesson]\nLevel=9\n", {}, "Level=9 — трябва да е цяло число от 1 до 5."},
      {"[Lesson]\nLevel=2x\n", {}, "Level=2x"},
      {"[Lesson]\nCurrency=yen\n", {}, "Currency=yen — валутата може да бъде lev или euro."},
      {"[Lesson]\nTasks=101\n", {}, "Tasks=101 — трябва да е цяло число от 0 до 100."},
      {"[Lesson]\nSeed=-1\n", {}, "Seed=-1"},
      {"[Lesson]\nAskName=maybe\n", {}, "AskName=maybe — трябва да е true или false."},
      {"[Lesson]\nResults=няма/r.csv\n", {}, "няма“ не съществува"},
      {"Level=2\n", {}, "не е урок на Restomer: в него няма група [Lesson]."},
      {"\x89PNG\r\n\x1a\n\0\0", {}, "не е урок на Restomer"},
      {"", {}, "не може да бъде прочетен: "},
  };
  int number = 0;
  for (const auto& c : cases) {
    const QString name = QStringLiteral("урок %1.restomer").arg(++number);
    const QString path = c.text.isEmpty() ? dir.filePath(name) : write(dir, name, c.text);
    Lesson read;
    const QString error = readLessonFile(path, read);
    if (c.error.isEmpty()) {
      EXPECT_EQ(error.toStdString(), "") << c.text.toStdString();
      EXPECT_TRUE(read == c.expected) << c.text.toStdString() << " read as " << read.results;
    } else {
      EXPECT_TRUE(error.contains(c.error)) << error.toStdString();
      EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
      EXPECT_TRUE(read == Lesson{}) << "a bad file changes nothing";
    }
  }
}

// What the teacher saves opens again as the same lesson, and a pupil who
// double-clicks it practises exactly as the options would have set it.
TEST(LessonFile, SavedByTheTeacherOpensAsTheOptionsWould) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("урок.restomer"));
  Lesson lesson;
  lesson.currency = &restomer::kEuro;
  lesson.level = 2;
  lesson.tasks = 5;
  lesson.seed = 77;
  lesson.results = QDir::toNativeSeparators(dir.filePath("резултати.csv")).toStdString();
  lesson.ask_name = true;
  TeacherWindow teacher;
  teacher.setLesson(lesson);
  ASSERT_TRUE(teacher.lesson() == lesson);
  ASSERT_EQ(teacher.saveLesson(path).toStdString(), "");
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().contains("Results=резултати.csv")) << "beside the lesson";
  saved.close();  // Windows replaces no file that is open, and the lesson is saved again below

  TeacherWindow again;
  ASSERT_EQ(again.openLesson(path).toStdString(), "");
  EXPECT_TRUE(again.lesson() == lesson);

  const CommandLine opened = parseCommandLine({"restomer", path});
  const CommandLine typed = parseCommandLine(
      {"restomer", "--practice", "--currency=euro", "--level=2", "--tasks=5", "--seed=77",
       "--results=" + QString::fromStdString(lesson.results), "--ask-name"});
  EXPECT_EQ(opened.mode, Mode::kPractice);
  Lesson fromFile = typed.lesson;
  fromFile.title = "урок";  // the file's name, which its results rows carry
  EXPECT_TRUE(opened.lesson == fromFile);
  // Options beside the file win; --worksheet writes the lesson's tasks.
  const CommandLine sheet =
      parseCommandLine({"restomer", path, "--worksheet=sheet.pdf", "--level=3"});
  EXPECT_EQ(sheet.mode, Mode::kWorksheet);
  EXPECT_EQ(sheet.lesson.level, 3);
  const CommandLine named = parseCommandLine({"restomer", "--level=3", path, "--name=Ива"});
  EXPECT_EQ(named.lesson.level, 3);
  EXPECT_EQ(named.lesson.name, "Ива");
  EXPECT_EQ(named.lesson.seed, 77u);

  // A lesson of a coin system opens the informatics window, and the
  // teacher's window, which does not show the coins, saves them again.
  lesson.coins = {12, 5, 1};
  teacher.setLesson(lesson);
  ASSERT_EQ(teacher.saveLesson(path).toStdString(), "");
  Lesson read;
  ASSERT_EQ(readLessonFile(path, read), "");
  EXPECT_EQ(read.coins, lesson.coins);
  EXPECT_EQ(parseCommandLine({"restomer", path}).mode, Mode::kInformatics);
  const CommandLine practised = parseCommandLine({"restomer", "--practice", path});
  EXPECT_EQ(practised.mode, Mode::kPractice);
  EXPECT_TRUE(practised.informatics) << "practice of a coin system is informatics practice";
  const CommandLine levelled = parseCommandLine({"restomer", "--informatics", "--level=3"});
  EXPECT_EQ(levelled.mode, Mode::kPractice);
  EXPECT_TRUE(levelled.informatics);
  EXPECT_EQ(levelled.lesson.level, 3);
  EXPECT_EQ(parseCommandLine({"restomer", "--informatics"}).mode, Mode::kInformatics);

  // A lesson with pictures keeps its kind, level and settings, and a
  // double-click opens its practice.
  lesson.coins.clear();
  lesson.kind = TaskKind::kPictures;
  lesson.level = 7;
  lesson.fewest_pieces = false;
  lesson.read_aloud = true;
  teacher.setLesson(lesson);
  ASSERT_TRUE(teacher.lesson() == lesson);
  ASSERT_EQ(teacher.saveLesson(path).toStdString(), "");
  const CommandLine pictures = parseCommandLine({"restomer", path});
  EXPECT_EQ(pictures.mode, Mode::kPractice);
  fromFile = lesson;
  fromFile.title = "урок";
  EXPECT_TRUE(pictures.lesson == fromFile);
}

// Every control of the teacher's window is reached with Tab and has a name a
// screen reader says.
TEST(TeacherWindow, EveryControlIsReachedByTabAndNamed) {
  TeacherWindow window;
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QSet<QWidget*> reached;
  for (int k = 0; k < 40; ++k) {
    reached.insert(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  int controls = 0;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QComboBox*>(control) &&
        !qobject_cast<QAbstractSpinBox*>(control) && !qobject_cast<QLineEdit*>(control)) {
      continue;
    }
    if (!control->isEnabled() || qobject_cast<QAbstractSpinBox*>(control->parentWidget())) continue;
    ++controls;
    QWidget* focused = control->focusProxy() ? control->focusProxy() : control;
    EXPECT_TRUE(reached.contains(focused)) << control->metaObject()->className();
    const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(spoken, nullptr);
    EXPECT_FALSE(spoken->text(QAccessible::Name).isEmpty()) << control->metaObject()->className();
  }
  EXPECT_GE(controls, 11);
}

// The teacher's window saves no lesson without a seed unless every computer
// is to get other tasks, and says so beside the seed; a results file named
// without a folder is the lesson folder's.
TEST(TeacherWindow, SavesASeedAndResultsBesideTheLesson) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("урок.restomer"));
  Lesson lesson;
  lesson.seed = 5;
  lesson.results = "резултати.csv";
  TeacherWindow teacher;
  EXPECT_EQ(teacher.lesson().currency, &restomer::kEuro) << "a new lesson is proposed in euro";
  teacher.setLesson(lesson);
  teacher.show();
  auto* seed = teacher.findChild<QLineEdit*>();
  ASSERT_EQ(seed->text(), "5");
  seed->clear();
  const QString refused = teacher.saveLesson(path);
  EXPECT_TRUE(refused.contains("начално число")) << refused.toStdString();
  EXPECT_FALSE(QFile::exists(path));
  QStringList shown;
  for (const QLabel* label : teacher.findChildren<QLabel*>()) {
    if (label->isVisible()) shown << label->text();
  }
  EXPECT_TRUE(shown.contains(refused));

  seed->setText("2026");
  ASSERT_EQ(teacher.saveLesson(path), "");
  Lesson read;
  ASSERT_EQ(readLessonFile(path, read), "");
  EXPECT_EQ(read.seed, 2026u);
  EXPECT_EQ(read.results, QDir::toNativeSeparators(dir.filePath("резултати.csv")).toStdString());
  // "Резултати…" offers the lesson's file or the class's folder above it.
  const QPushButton* results = nullptr;
  for (const auto* button : teacher.findChildren<QPushButton*>()) {
    if (button->text() == "Р&езултати…") results = button;
  }
  ASSERT_NE(results, nullptr);
  ASSERT_NE(results->menu(), nullptr);
  EXPECT_EQ(results->menu()->actions().size(), 2);
  const QString inClass = dir.filePath("5а/урок-1/урок.restomer");
  ASSERT_TRUE(QDir().mkpath(QFileInfo(inClass).absolutePath()));
  ASSERT_EQ(teacher.saveLesson(inClass), "");
  for (const auto& [which, shown] :
       {std::pair{TeacherWindow::Results::kLesson, dir.filePath("5а/урок-1/резултати.csv")},
        {TeacherWindow::Results::kClass, dir.filePath("5а")}}) {
    OverviewWindow* overview = teacher.showResults(which);
    ASSERT_NE(overview, nullptr);
    EXPECT_EQ(overview->paths(), QStringList{shown}) << "beside the lesson, not the working folder";
    overview->close();
  }

  // A long path is elided in the status line: the window keeps its size and
  // the form its rows.
  const QSize size = teacher.size();
  const QString deep = dir.filePath(QString(90, u'п') + "/урок.restomer");
  ASSERT_TRUE(QDir().mkpath(QFileInfo(deep).absolutePath()));
  ASSERT_EQ(teacher.saveLesson(deep), "");
  QApplication::processEvents();
  EXPECT_EQ(teacher.size(), size);
  for (const QWidget* field : teacher.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (field->isVisible()) {
      EXPECT_GE(field->height(), field->minimumSizeHint().height())
          << field->metaObject()->className();
    }
  }
  const auto* status = teacher.findChildren<QLabel*>().back();
  EXPECT_TRUE(status->text().contains(u'…')) << status->text().toStdString();
  EXPECT_EQ(status->toolTip(), QDir::toNativeSeparators(deep));
}

// The name dialog starts practice only with a name: blanks leave "Започни"
// disabled, and the name comes back trimmed.
TEST(PupilName, StartsOnlyWithAName) {
  bool checked = false;
  QTimer::singleShot(0, [&checked] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QPushButton* start = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_EQ(start->text(), "Започни");
    EXPECT_FALSE(start->isEnabled());
    dialog->setTextValue("   ");
    EXPECT_FALSE(start->isEnabled());
    dialog->setTextValue(" Ива ");
    EXPECT_TRUE(start->isEnabled());
    checked = true;
    start->click();
  });
  EXPECT_EQ(askPupilName(), std::optional<QString>("Ива"));
  EXPECT_TRUE(checked);
}

// Qt's own texts are Bulgarian too: a file dialog's labels and buttons, and
// the reason a worksheet in a missing folder cannot be written.
TEST(QtTexts, DialogsAndReasonsAreBulgarian) {
  installQtTranslations();
  const QRegularExpression cyrillic(QStringLiteral("[а-яА-Я]"));
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons()) {
    texts << button->text();
  }
  for (const char* english : {"Look in:", "File name:", "&Save", "Cancel"}) {
    EXPECT_FALSE(texts.contains(english)) << english;
  }
  EXPECT_FALSE(texts.filter(cyrillic).isEmpty()) << texts.join('|').toStdString();

  QTemporaryDir dir;
  WorksheetOptions options;
  options.tasks = 1;
  const QString error = writeWorksheet(dir.filePath("няма/лист.pdf"), options);
  const QString reason = error.section(QStringLiteral(": "), 1);
  EXPECT_FALSE(reason.isEmpty()) << error.toStdString();
  EXPECT_TRUE(reason.contains(cyrillic)) << error.toStdString();
  EXPECT_TRUE(reason[0].isLower()) << "it reads inside the sentence: " << error.toStdString();
}

}  // namespace
}  // namespace restomer
