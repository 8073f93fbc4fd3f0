// A class over a school year, as a teacher keeps it: a folder for the
// class, a folder for each lesson with its results file, and a file that
// is no results file among them. Read into the tables through the filter,
// written as slips and a workbook and read back, and opened in the window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <map>

#include "core/results_row.h"
#include "io/waiting_rows.h"
#include "locale_support.h"
#include "print/chart.h"
#include "print/report.h"
#include "print/slips.h"
#include "widgets/filter_bar.h"
#include "widgets/overview_window.h"

namespace restomer {
namespace {

// A task of change 0.07 (0.05 and 0.02): right, with the wrong change, or
// with the 0.02 missing.
enum class Answer { kRight, kWrongChange, kNoTwo };

ResultRow taskRow(const std::string& name, const std::string& day, int task, Answer answer) {
  ResultRow row;
  row.time = day + "T09:0" + std::to_string(task) + ":00+03:00";
  row.login = "pupil";
  row.name = name;
  row.currency = "lev";
  row.level = 2;
  row.seed = "7";
  row.task = task;
  row.price = 93;
  row.paid = 100;
  row.change = 7;
  row.pieces = {{"0.05", 1}, {"0.02", 1}};
  row.typed = answer == Answer::kWrongChange ? "0.08" : "0.07";
  row.ticked = answer == Answer::kNoTwo ? std::vector<std::string>{"0.05"}
                                        : std::vector<std::string>{"0.05", "0.02"};
  row.outcome =
      answer == Answer::kRight ? TaskRecord::Outcome::kRight : TaskRecord::Outcome::kWrong;
  row.computer = "pc-" + name;
  row.round_size = 5;
  row.run = name + day;
  row.sequence = task;
  return row;
}

struct Lesson {
  const char* folder;
  const char* day;
  const char* title;  // empty: rows written before rows named their lesson
  int mariaRight;     // of 5
  int kalinTasks;     // of a round of 5
};

// Мария gets better lesson by lesson; Елица misses the 0.02 once in every
// lesson; Калин leaves the last round before its end.
const Lesson kLessons[] = {{"урок-1", "2026-10-05", "", 2, 5},
                           {"урок-2", "2026-10-19", "Ресто 2", 4, 5},
                           {"урок-3", "2026-11-02", "Ресто 3", 5, 3}};

QString classIn(const QTemporaryDir& dir) {
  QDir root(dir.path());
  root.mkdir(QStringLiteral("5а"));
  const QString folder = root.filePath(QStringLiteral("5а"));
  for (const Lesson& lesson : kLessons) {
    QDir(folder).mkdir(QString::fromUtf8(lesson.folder));
    std::string text = kByteOrderMark + ResultsHeader();
    for (int task = 1; task <= 5; ++task) {
      std::vector<ResultRow> rows = {
          taskRow("Мария", lesson.day, task,
                  task <= lesson.mariaRight ? Answer::kRight : Answer::kWrongChange),
          taskRow("Елица", lesson.day, task, task == 1 ? Answer::kNoTwo : Answer::kRight)};
      if (task <= lesson.kalinTasks)
        rows.push_back(taskRow("Калин", lesson.day, task, Answer::kRight));
      for (ResultRow& row : rows) {
        row.lesson = lesson.title;
        text += ResultsLine(row);
      }
    }
    QFile file(QDir(folder).filePath(QString::fromUtf8(lesson.folder) + "/резултати.csv"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
  }
  QFile notes(QDir(folder).filePath(QStringLiteral("бележки.csv")));
  EXPECT_TRUE(notes.open(QIODevice::WriteOnly));
  notes.write("дата,тема\n5.10,ресто\n");
  return folder;
}

// The cells of a table's row, as the window shows them, by heading.
QString cell(const ReportTable& table, int row, const char* heading) {
  const qsizetype column = table.headers.indexOf(QString::fromUtf8(heading));
  EXPECT_GE(column, 0) << heading;
  return cellText(table.rows.at(row).at(column), table.kinds.at(column),
                  QLocale(QLocale::Bulgarian));
}

TEST(ClassYear, AFolderOfLessonsReadThroughTheFilter) {
  QTemporaryDir dir;
  QString error;
  ResultsReport report = loadResults({classIn(dir)}, error);
  ASSERT_EQ(error, "");
  EXPECT_EQ(report.files.size(), 3);
  ASSERT_EQ(report.passedOver.size(), 1);
  EXPECT_TRUE(report.passedOver[0].contains("бележки.csv"));

  std::vector<ReportTable> tables = report.tables(QLocale(QLocale::Bulgarian));
  const ReportTable& pupils = tables[0];
  ASSERT_EQ(pupils.rows.size(), 3);
  EXPECT_EQ(cell(pupils, 0, "Ученик"), "Мария");
  EXPECT_EQ(cell(pupils, 0, "Уроци"), "3");
  EXPECT_EQ(cell(pupils, 0, "Развитие"), "↑ 40 % → 100 %");
  EXPECT_EQ(cell(pupils, 1, "Развитие"), "80 % → 80 %");
  EXPECT_EQ(cell(pupils, 1, "Има нужда от помощ"), "да: липсва 0,02 лв. в 3 задачи");
  EXPECT_EQ(cell(pupils, 2, "Незавършен кръг"), "3 от 5");
  EXPECT_EQ(cell(tables[2], 1, "Грешка"), "0,02 лв.: липсва");
  EXPECT_EQ(cell(tables[2], 1, "Ученици"), "Елица 3");
  const ReportTable& lessons = tables[3];
  ASSERT_EQ(lessons.rows.size(), 3);
  EXPECT_EQ(cell(lessons, 0, "Урок"), "урок-1, 05.10.2026") << "named by its folder and day";
  EXPECT_EQ(cell(lessons, 2, "Урок"), "Ресто 3");
  EXPECT_EQ(practiseNext(report.overview.pupils[0]).last(),
            "Справя се добре на ниво 2: нека опита ниво 3.");

  RowFilter last;
  last.lesson = "Ресто 3";
  report.setFilter(last);
  tables = report.tables();
  EXPECT_EQ(cell(tables[0], 0, "Уроци"), "1");
  EXPECT_EQ(cell(tables[0], 0, "Верни, дял"), "100 %");
  EXPECT_EQ(tables[2].rows.size(), 1) << "Елица's one mistake of that lesson";
  EXPECT_EQ(report.shown(), "Показани са 13 от 43 реда: урок „Ресто 3“.");
  RowFilter fromOctober19;
  fromOctober19.first_day = "2026-10-19";
  report.setFilter(fromOctober19);
  EXPECT_EQ(report.overview.lessons.size(), 2u);
  EXPECT_EQ(report.rowsShown().size(), report.overview.rows);
}

// Each results file once, the rows waiting beside it with it, and a new
// lesson's file found while the window is open.
TEST(ClassYear, EveryResultsFileOnceAndNewOnesFollowed) {
  QTemporaryDir dir;
  const QString folder = classIn(dir);
  const QString second = folder + QStringLiteral("/урок-2/резултати.csv");
  QFile waiting(waitingFileBeside(second, "pc-Мария", "later"));
  ASSERT_TRUE(waiting.open(QIODevice::WriteOnly));
  ResultRow late = taskRow("Мария", "2026-10-19", 6, Answer::kRight);
  late.run = "later";
  waiting.write(waitingRowsText({late}));
  waiting.close();
  QFile(second + QStringLiteral(".lock")).open(QIODevice::WriteOnly);
  QString error;
  const ResultsReport report = loadResults({folder, second}, error);
  EXPECT_EQ(report.files.size(), 3) << "the waiting file and the lock are no results files";
  EXPECT_EQ(report.passedOver.size(), 1);
  EXPECT_EQ(report.waiting, 1);
  EXPECT_EQ(report.rows.size(), 44u);
  for (int k = 1; k <= 6; ++k) {
    QFile notes(folder + QStringLiteral("/бележки-%1.csv").arg(k));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("тема\n");
  }
  const QString passed = loadResults({folder}, error).passedOverNote();
  EXPECT_TRUE(passed.startsWith("Не са прочетени 7 файла: „")) << passed.toStdString();
  EXPECT_TRUE(passed.endsWith(" И още 2.")) << "five named, the rest counted";

  OverviewWindow window({folder});
  EXPECT_EQ(window.report().rows.size(), 44u);
  QDir(folder).mkdir(QStringLiteral("урок-4"));
  QFile::copy(second, folder + QStringLiteral("/урок-4/резултати.csv"));
  window.reloadIfChanged();
  EXPECT_EQ(window.report().rows.size(), 44u) << "a copied row counts once";
  QFile fourth(folder + QStringLiteral("/урок-4/резултати.csv"));
  ASSERT_TRUE(fourth.open(QIODevice::Append));
  ResultRow next = taskRow("Калин", "2026-11-09", 1, Answer::kRight);
  next.run = "fourth";
  fourth.write(QByteArray::fromStdString(ResultsLine(next)));
  fourth.close();
  window.reloadIfChanged();
  EXPECT_EQ(window.report().rows.size(), 45u);
  EXPECT_EQ(window.report().files.size(), 4);
}

// The charts have the class's numbers, and draw their bars and lines.
TEST(ClassYear, ChartsOfTheClass) {
  QTemporaryDir dir;
  QString error;
  const ResultsReport report = loadResults({classIn(dir)}, error);
  const Chart coins = mistakesChart(report, QLocale(QLocale::Bulgarian));
  EXPECT_EQ(coins.labels, QStringList{"0,02 лв."}) << "a wrong change is no coin";
  EXPECT_EQ(coins.values, QList<double>{3});
  const Chart lessons = lessonsChart("Верни", report.overview.lessons);
  EXPECT_EQ(lessons.labels.size(), 3);
  ASSERT_EQ(chartTable(lessons).rows.size(), 3);
  EXPECT_DOUBLE_EQ(chartTable(lessons).rows[0][1].toDouble(), lessons.values[0]);

  // Pixels of the bars' blue: none without numbers, more for a taller bar.
  const auto blue = [](const Chart& chart) {
    QImage image(400, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintChart(painter, QRectF(0, 0, 400, 240), chart, QFont());
    painter.end();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == qRgb(0x3A, 0x6E, 0xA5);
    }
    return count;
  };
  Chart empty = coins;
  empty.labels.clear();
  empty.values.clear();
  EXPECT_EQ(blue(empty), 0);
  Chart two = coins;
  two.labels = {"a", "b"};
  two.values = {1, 4};
  Chart higher = two;
  higher.values = {3, 4};
  EXPECT_GT(blue(two), 0);
  EXPECT_GT(blue(higher), blue(two));
  EXPECT_GT(blue(lessons), 0);
}

// Under the Bulgarian settings a pupil's desktop has: one page a pupil, with
// no other pupil's name on it, and a workbook with its charts.
TEST(ClassYear, SlipsAndTheWorkbookReadBack) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "read back with poppler and Python, which run on Linux";
#endif
  const std::string missing = restomer::testing::MissingLocale("bg_BG.UTF-8");
  ASSERT_TRUE(missing.empty()) << missing;
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "bg_BG.UTF-8");
  QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
  QTemporaryDir dir;
  QString error;
  const ResultsReport report = loadResults({classIn(dir)}, error);
  const QString slips = dir.filePath(QStringLiteral("листчета.pdf"));
  const QString workbook = dir.filePath(QStringLiteral("отчет.xlsx"));
  EXPECT_EQ(writeSlips(slips, report), "");
  EXPECT_EQ(writeReport(workbook, report), "");
  EXPECT_NE(writeSlips(workbook, report), "") << "slips are a PDF";
  std::setlocale(LC_NUMERIC, before.c_str());
  QLocale::setDefault(QLocale::system());

  const QStringList names = {"Мария", "Елица", "Калин"};
  for (int page = 1; page <= 3; ++page) {
    QProcess text;
    text.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), slips, "-"});
    ASSERT_TRUE(text.waitForFinished(60'000));
    const QString shown = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString& name : names) {
      EXPECT_EQ(shown.contains(name), name == names[page - 1]) << page << name.toStdString();
    }
    EXPECT_TRUE(shown.contains("Клас: 5а. Уроци: 3, от 05.10.2026 до 02.11.2026")) << page;
  }
  QProcess info;
  info.start("pdfinfo", {slips});
  ASSERT_TRUE(info.waitForFinished(60'000));
  EXPECT_TRUE(
      QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages: +3\\n")))
      << "a page a pupil";

  QProcess charts;
  charts.start("python3", {"-c",
                           "import sys, zipfile; print('\\n'.join(n for n in "
                           "zipfile.ZipFile(sys.argv[1]).namelist() if 'charts/' in n))",
                           workbook});
  ASSERT_TRUE(charts.waitForFinished(60'000));
  EXPECT_EQ(QString::fromUtf8(charts.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
            QStringList({"xl/charts/chart1.xml", "xl/charts/chart2.xml"}));
}

// The window on the class's folder: a lesson chosen in the filter bar, and a
// pupil's page opened with the keyboard, with their lessons.
TEST(ClassYear, TheWindowFiltersAndOpensAPupil) {
  QTemporaryDir dir;
  OverviewWindow window({classIn(dir)});
  QComboBox* lessons = window.filterBar()->lessons();
  ASSERT_EQ(lessons->count(), 4);
  EXPECT_EQ(lessons->itemText(0), "всички");
  EXPECT_EQ(lessons->itemText(1), "урок-1, 05.10.2026");
  lessons->setCurrentIndex(1);
  const QAbstractItemModel* pupils = window.view(0)->model();
  EXPECT_EQ(pupils->index(0, 5).data().toString(), "40 %") << "Мария in the first lesson";

  window.show();
  window.view(0)->setFocus();
  window.view(0)->setCurrentIndex(pupils->index(0, 0));
  QTest::keyClick(window.view(0), Qt::Key_Return);
  auto* page = window.findChild<QDialog*>();
  ASSERT_NE(page, nullptr);
  std::map<QString, const QAbstractItemModel*> tables;
  for (const QTableView* view : page->findChildren<QTableView*>()) {
    tables[view->accessibleName()] = view->model();
  }
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables["Задачите на Мария"]->rowCount(), 5) << "her tasks of that lesson";
  EXPECT_EQ(tables["Уроците на Мария"]->index(0, 1).data().toString(), "40 %");
}

}  // namespace
}  // namespace restomer
