// The overview as a teacher keeps or hands it on, read back with other
// programs: the PDF with poppler, the Excel workbook with openpyxl, and the
// results file as LibreOffice imports it under Bulgarian and English
// settings.
#include "print/report.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <string>

#include "io/results_file.h"
#include "locale_support.h"
#include "widgets/overview_window.h"

namespace restomer {
namespace {

using restomer::TaskRecord;

QString run(const QString& program, const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  process.waitForFinished(120'000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// Two pupils' rows, written as practice writes them.
QString resultsIn(const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("резултати.csv"));
  const TaskRecord wrong{1,
                         1,
                         5043,
                         5500,
                         "=1+1",
                         {"2", "0.50"},
                         457,
                         {{"2", 2}, {"0.50", 1}, {"0.05", 1}, {"0.02", 1}},
                         TaskRecord::Outcome::kWrong};
  const TaskRecord right{1,
                         2,
                         2879,
                         3000,
                         "1,21",
                         {"1", "0.20", "0.01"},
                         121,
                         {{"1", 1}, {"0.20", 1}, {"0.01", 1}},
                         TaskRecord::Outcome::kRight};
  for (const char* name : {"Мария, 3 клас", "Иван Петров"}) {
    ResultsFile file(path, {"pupil", name, &restomer::kLev, 2, 2026});
    EXPECT_EQ(file.open(), "");
    for (const TaskRecord& record : {wrong, right}) EXPECT_EQ(file.append(record), "");
  }
  return path;
}

// Each cell of each sheet: "sheet|row|column|type|value".
QStringList cellsOf(const QString& workbook) {
  const QString script = QStringLiteral(
      "import sys, openpyxl\n"
      "for sheet in openpyxl.load_workbook(sys.argv[1]):\n"
      "  for row in sheet.iter_rows():\n"
      "    for c in row:\n"
      "      if c.value is not None: "
      "print(f'{sheet.title}|{c.row}|{c.column}|{c.data_type}|{c.value}')\n");
  return run(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, workbook})
      .split('\n', Qt::SkipEmptyParts);
}

// Every part of a workbook but the one with the dates it was written.
QString workbookXml(const QString& workbook) {
  const QString script = QStringLiteral(
      "import sys, zipfile\n"
      "z = zipfile.ZipFile(sys.argv[1])\n"
      "for n in sorted(z.namelist()):\n"
      "  if n != 'docProps/core.xml': print(n, z.read(n).decode())\n");
  return run(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, workbook});
}

TEST(Report, ThePdfAndTheWorkbookReadBack) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "read back with poppler and openpyxl, which run on Linux";
#endif
  QTemporaryDir dir;
  QString error;
  const ResultsReport report = loadResults({resultsIn(dir)}, error);
  ASSERT_EQ(error, "");

  const QString pdf = dir.filePath(QStringLiteral("отчет.pdf"));
  ASSERT_EQ(writeReport(pdf, report), "");
  const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  for (const char* expected : {"Restomer — резултати", "резултати.csv", "Ученици", "Мария, 3 клас",
                               "Задачи", "Грешки", "0.05 лв.: липсва", "грешно ресто", "Незавършен",
                               "Грешки по монети и банкноти: числата", "Верни по уроци"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
  }
  EXPECT_FALSE(text.contains(u'…')) << "headings wrap: no heading or cell is cut short";

  const QString xlsx = dir.filePath(QStringLiteral("отчет.xlsx"));
  ASSERT_EQ(writeReport(xlsx, report), "");
  const QStringList cells = cellsOf(xlsx);
  for (const char* expected :
       {"Ученици|2|1|s|Мария, 3 клас", "Ученици|2|2|n|2", "Ученици|2|6|n|0.5", "Задачи|2|6|n|50.43",
        "Грешки|2|1|s|грешно ресто", "Грешки|3|1|s|0,05 лв.: липсва", "Грешки|3|2|n|2",
        "Всички редове|2|11|s|=1+1", "Всички редове|3|11|s|1,21", "Всички редове|5|3|s|Иван Петров",
        "Грешки по монети|2|1|s|0,05 лв.", "Грешки по монети|2|2|n|2", "Уроци|2|3|n|4",
        "Отчет|4|2|s|4"}) {
    EXPECT_TRUE(cells.contains(QString::fromUtf8(expected))) << expected;
  }
  EXPECT_TRUE(cells.filter(QRegularExpression(QStringLiteral("^Ученици\\|2\\|9\\|d\\|2"))).size() ==
              1)
      << "the last answer's time is a date";
  EXPECT_EQ(writeReport(dir.filePath(QStringLiteral("отчет.txt")), report).isEmpty(), false);
}

// The workbook's XML is the same under the Bulgarian settings a pupil's
// desktop has, where the C library writes "0,5" for a half: every cell reads
// back with its type and value.
TEST(Report, TheWorkbookIsTheSameUnderAnySettings) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "read back with openpyxl, which runs on Linux";
#endif
  QTemporaryDir dir;
  const QString path = resultsIn(dir);
  ResultsFile large(path, {"pupil", "Ана", &restomer::kLev, 5, 2026});
  ASSERT_EQ(large.open(), "");
  ASSERT_EQ(large.append({1,
                          1,
                          123456,
                          130000,
                          "654.4",
                          {"100"},
                          6544,
                          {{"100", 6}},
                          TaskRecord::Outcome::kWrong}),
            "");  // an amount that is grouped in thousands in some notations
  QString error;
  const ResultsReport report = loadResults({path}, error);
  ASSERT_EQ(error, "");
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  QStringList xml;  // of each workbook
  for (const char* name : {"C.UTF-8", "bg_BG.UTF-8", "en_US.UTF-8"}) {
    const std::string missing = restomer::testing::MissingLocale(name);
    ASSERT_TRUE(missing.empty()) << missing;
    std::setlocale(LC_NUMERIC, name);
    QLocale::setDefault(QLocale(QString::fromLatin1(name).section(u'.', 0, 0)));
    const QString workbook = dir.filePath(QStringLiteral("%1.xlsx").arg(name));
    ASSERT_EQ(writeReport(workbook, report), "");
    xml << workbookXml(workbook);
  }
  std::setlocale(LC_NUMERIC, before.c_str());
  QLocale::setDefault(QLocale::system());
  EXPECT_EQ(xml[1], xml[0]) << "under bg_BG";
  EXPECT_EQ(xml[2], xml[0]) << "under en_US";
  const QStringList cells = cellsOf(dir.filePath(QStringLiteral("bg_BG.UTF-8.xlsx")));
  for (const char* expected : {"Ученици|2|6|n|0.5", "Всички редове|6|9|n|1234.56"}) {
    EXPECT_TRUE(cells.contains(QString::fromUtf8(expected))) << expected;
  }
  EXPECT_EQ(cells.filter(QRegularExpression("^Всички редове\\|6\\|1\\|d\\|2")).size(), 1);
}

// Opened as a teacher would open it, with the import options for UTF-8 and
// commas given: the outcomes, the names and the seed stay text.
TEST(Report, LibreOfficeReadsTheResultsFileAsText) {
  const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (office.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  QTemporaryDir dir;
  const QString results = resultsIn(dir);
  for (const auto& [locale, language] : {std::pair{"bg_BG.UTF-8", "1026"}, {"C.UTF-8", "1033"}}) {
    const std::string missing = restomer::testing::MissingLocale(locale);
    ASSERT_TRUE(missing.empty()) << missing;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
    environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
    const QString out = dir.filePath(QString::fromLatin1(locale));
    run(office,
        {QStringLiteral("--headless"), QStringLiteral("--norestore"),
         QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
         QStringLiteral("--infilter=CSV:44,34,76,1,,%1").arg(QString::fromLatin1(language)),
         QStringLiteral("--convert-to"), QStringLiteral("xlsx"), QStringLiteral("--outdir"), out,
         results},
        environment);
    const QStringList cells = cellsOf(out + QStringLiteral("/резултати.xlsx"));
    ASSERT_FALSE(cells.isEmpty()) << locale;
    for (const char* expected : {"|2|3|s|Мария, 3 клас", "|4|3|s|Иван Петров", "|2|6|s|№2026",
                                 "|2|15|s|грешна", "|3|15|s|вярна", "|2|11|s|'=1+1"}) {
      EXPECT_EQ(cells.filter(QString::fromUtf8(expected)).size(), 1) << locale << expected;
    }
  }
}

// What "Копирай" puts on the clipboard pastes as the cells it shows: a tab
// or a line end in a cell breaks no column, and no cell becomes a formula.
TEST(OverviewWindow, CopiesCellsThatPasteAsText) {
  EXPECT_EQ(tabSeparated({"Ученик", "Задачи"}, {{"=Калин", "2"}, {"Ана\tМария\n", "+1"}}),
            "Ученик\tЗадачи\n'=Калин\t2\nАна Мария \t'+1\n");
}

// The overview follows the file as pupils append to it, sorts by any
// column, and copies the shown table in columns.
TEST(OverviewWindow, FollowsTheFileSortsAndCopies) {
  QTemporaryDir dir;
  const QString path = resultsIn(dir);
  OverviewWindow window({path});
  ASSERT_EQ(window.view(0)->model()->rowCount(), 2);
  {
    ResultsFile file(path, {"pupil", "Ана", &restomer::kLev, 2, 2026});
    ASSERT_EQ(file.open(), "");
    file.append({1, 3, 100, 200, "1", {"1"}, 100, {{"1", 1}}, TaskRecord::Outcome::kRight});
  }
  EXPECT_TRUE(
      QTest::qWaitFor([&window] { return window.view(0)->model()->rowCount() >= 3; }, 5'000));
  ASSERT_EQ(window.view(0)->model()->rowCount(), 3);
  window.view(0)->sortByColumn(5, Qt::DescendingOrder);  // the share right
  EXPECT_EQ(window.view(0)->model()->index(0, 0).data().toString(), "Ана");
  const QStringList lines = window.shownTable().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[0].startsWith("Ученик\tЗадачи\tВерни\t"));
  EXPECT_TRUE(lines[1].startsWith("Ана\t1\t1\t0\t0\t100 %\t\t2\t"));

  // Enter on a pupil, in the sorted table, opens that pupil's page.
  window.show();
  window.view(0)->setFocus();
  window.view(0)->setCurrentIndex(window.view(0)->model()->index(1, 0));
  QTest::keyClick(window.view(0), Qt::Key_Return);
  auto* page = window.findChild<QDialog*>();
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->windowTitle().startsWith("Задачите на Мария, 3 клас"));
  QStringList texts;
  for (const QLabel* label : page->findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(
      texts.contains("Мария, 3 клас: 2 задачи, 50 % верни. Най-често липсва 0.02 лв. (в 1 "
                     "задача)."))
      << texts.join('|').toStdString();
  const QAbstractItemModel* tasks = page->findChild<QTableView*>()->model();
  ASSERT_EQ(tasks->rowCount(), 2);
  EXPECT_EQ(tasks->index(0, 7).data().toString(), "0.05 лв., 0.02 лв.");
  EXPECT_EQ(tasks->index(0, 9).data().toString(), "грешна");
}

}  // namespace
}  // namespace restomer
