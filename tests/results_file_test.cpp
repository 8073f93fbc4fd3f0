// The results file: whole rows, across runs and programs, safe in a
// spreadsheet, and practice going on when the file fails.
#include "io/results_file.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "core/form_content.h"
#include "io/results_report.h"
#include "io/user_account.h"
#include "io/waiting_rows.h"
#include "widgets/demonstration_window.h"
#include "widgets/practice_session.h"

namespace restomer {
namespace {

using restomer::TaskRecord;

QStringList linesOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
  if (lines.back().isEmpty()) lines.removeLast();
  return lines;
}

TEST(ResultsFile, AppendsRowsAcrossRunsThatNoSpreadsheetRuns) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("резултати.csv"));
  const TaskRecord typedFormula{
      1, 1, 2518, 3000, "=1+1", {}, 482, {{"2", 2}, {"0.50", 1}}, TaskRecord::Outcome::kWrong};
  const TaskRecord skipped{1,
                           2,
                           -500,
                           3000,
                           "x;=1+1",
                           {},
                           3500,
                           {{"20", 1}, {"10", 1}, {"5", 1}},
                           TaskRecord::Outcome::kSkipped};
  for (const TaskRecord& record : {typedFormula, skipped}) {  // two runs
    ResultsFile file(path, {"pupil", "Иван, \"Ванко\"", &restomer::kEuro, 2, 7});
    ASSERT_EQ(file.open(), "");
    ASSERT_EQ(file.append(record), "");
  }
  const QStringList lines = linesOf(path);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(
      lines[0].startsWith("\uFEFFвреме,потребител,име,валута,ниво,начално число,кръг,задача,цена"));
  EXPECT_TRUE(lines[1].contains(
      R"(,pupil,"Иван, ""Ванко""",euro,2,№7,1,1,25.18,30.00,'=1+1,,4.82,2×2 0.50,грешна)"))
      << lines[1].toStdString();
  EXPECT_TRUE(lines[2].contains(R"(,1,2,'-5.00,30.00,"x;=1+1",,35.00,20 10 5,пропусната,)"));

  // A folder is never a file; a folder that is not there is a share that
  // is gone, and practice starts.
  EXPECT_TRUE(ResultsFile(dir.path(), {}).open().startsWith("Файлът с резултатите"));
  EXPECT_EQ(ResultsFile(dir.filePath(QStringLiteral("няма я/резултати.csv")), {}).open(), "");
}

// A program started with none of USER, USERNAME and LOGNAME still records
// who ran it.
TEST(ResultsFile, KnowsTheLoginWithoutTheEnvironment) {
  const std::string named = loginName();
  for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) qunsetenv(variable);
  EXPECT_FALSE(loginName().empty());
  qputenv("USER", QByteArray::fromStdString(named));
}

TEST(ResultsFile, TwoProgramsAppendWholeRows) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("results.csv"));
  QProcess writers[2];
  for (int k = 0; k < 2; ++k) {
    writers[k].start(QStringLiteral(APPEND_RESULTS),
                     {path, QStringLiteral("200"), QStringLiteral("writer%1").arg(k)});
  }
  for (QProcess& writer : writers) {
    ASSERT_TRUE(writer.waitForFinished(120'000));
    EXPECT_EQ(writer.exitCode(), 0);
  }
  const QStringList lines = linesOf(path);
  ASSERT_EQ(lines.size(), 401);
  EXPECT_TRUE(lines[0].startsWith("\uFEFFвреме,"));
  int rows[2] = {};
  for (const QString& line : lines.mid(1)) {
    const QStringList fields = line.split(',');
    ASSERT_EQ(fields.size(), 22) << line.toStdString();
    const int writer = fields[2] == "writer1" ? 1 : 0;
    EXPECT_EQ(fields[7].toInt(), ++rows[writer]) << "rows in order, none lost";
  }
  EXPECT_EQ(rows[0], 200);
  EXPECT_EQ(rows[1], 200);
}

// A row that cannot be written waits, in order, and the window says so
// until it is written; what still waits when practice ends is kept and
// written at the next start. Closing the window records the open task.
TEST(ResultsFile, RowsWaitAndNoneIsLost) {
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("results.csv"));
  const auto tasks = [&path] {
    QStringList numbers;
    for (const QString& line : linesOf(path).mid(1)) numbers << line.split(',')[7];
    return numbers.join(' ');
  };
  {
    ResultsFile file(path, {"pupil", "", &restomer::kLev, 4, 3});
    ASSERT_EQ(file.open(), "");
    DemonstrationWindow window(restomer::RegionalSettings{}, restomer::kLev);
    PracticeSession practice(window, restomer::PracticeOptions(3), restomer::kLev,
                             restomer::RegionalSettings{});
    practice.keepResultsIn(&file);
    QTest::mouseClick(window.command1(restomer::kClearButton), Qt::LeftButton);  // a skip
    ASSERT_EQ(tasks(), "1");

    QFile::rename(path, path + ".away");
    ASSERT_TRUE(QDir().mkdir(path));  // the share is gone: nothing can be appended
    const QString price = window.text3(restomer::kPriceBox)->text();
    for (int k = 0; k < 2; ++k) {
      QTest::mouseClick(window.command1(restomer::kClearButton), Qt::LeftButton);
    }
    EXPECT_TRUE(window.text1()->toPlainText().startsWith("Резултатите от 2 задачи чакат"));
    EXPECT_NE(window.text3(restomer::kPriceBox)->text(), price) << "practice goes on";

    ASSERT_TRUE(QDir().rmdir(path));
    QFile::rename(path + ".away", path);
    EXPECT_EQ(file.flush(), "");  // what the timer does
    EXPECT_EQ(tasks(), "1 2 3");
    EXPECT_TRUE(window.text1()->toPlainText().startsWith("Клиентът купува"));

    QFile::rename(path, path + ".away");
    ASSERT_TRUE(QDir().mkdir(path));
    window.close();  // the task on screen: skipped, and kept
    EXPECT_EQ(file.waiting(), 1);
    for (QWidget* shown : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(shown)) {
        EXPECT_TRUE(box->text().contains("Чакат до него")) << box->text().toStdString();
        box->close();
      }
    }
  }
  ASSERT_TRUE(QDir().rmdir(path));
  QFile::rename(path + ".away", path);
  ResultsFile next(path, {"pupil", "", &restomer::kLev, 4, 3});
  ASSERT_EQ(next.open(), "");
  EXPECT_EQ(tasks(), "1 2 3 4");
  EXPECT_TRUE(waitingFilesBeside(path).isEmpty());
}

// Rows an earlier version kept in the data folder, which find the file
// locked when practice starts, are written by the retry as soon as the lock
// is gone, with no click of the pupil's.
TEST(ResultsFile, KeptRowsAreRetriedFromTheStart) {
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("results.csv"));
  ASSERT_EQ(ResultsFile(path, {}).open(), "");
  // The name that version gave the file, without a run.
  const QString kept = waitingFileKept(path, "x").replace(QStringLiteral("-x.csv"), ".csv");
  QDir().mkpath(QFileInfo(kept).absolutePath());
  QFile keptFile(kept);
  ASSERT_TRUE(keptFile.open(QIODevice::WriteOnly));
  keptFile.write("t,pupil,,lev,4,№3,1,1,25.18,30.00,,,4.82,2×2 0.50 0.20 0.10 0.02,пропусната\r\n");
  keptFile.close();
  auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
  ASSERT_TRUE(lock->tryLock(0));

  DemonstrationWindow window(RegionalSettings{}, kLev);
  PracticeSession practice(window, PracticeOptions(3), kLev, RegionalSettings{});
  ASSERT_EQ(practice.writeResultsTo(path, {"pupil", "", &kLev, 4, 3}), "");
  EXPECT_EQ(linesOf(path).size(), 1) << "the kept row waits for the lock";
  lock.reset();
  EXPECT_TRUE(QTest::qWaitFor([&path] { return linesOf(path).size() >= 2; }, 5'000));
  EXPECT_EQ(linesOf(path).size(), 2) << "the kept row once";
  EXPECT_FALSE(QFile::exists(kept));
}

namespace faults {

// The rows of `path` by run, each run's task numbers in the file's order.
std::map<QString, QStringList> tasksByRun(const QString& path) {
  std::map<QString, QStringList> runs;
  for (const QString& line : linesOf(path).mid(1)) {
    const QStringList fields = line.split(',');
    runs[fields[17]] << fields[18];
  }
  return runs;
}

const TaskRecord kTask{1, 1, 2518, 3000, "4.82", {}, 482, {{"2", 2}}, TaskRecord::Outcome::kWrong};

struct Fault {
  const char* name;
  std::function<void(const QString& path)> make;
  std::function<void(const QString& path)> mend;
  // A folder where the file should be is refused when practice starts.
  bool refusedAtStart = false;
  // Only then may the pupil read that another program is writing.
  bool lockedByAnother = false;
};

void moveAway(const QString& path) { ASSERT_TRUE(QFile::rename(path, path + ".away")); }
void moveBack(const QString& path) { ASSERT_TRUE(QFile::rename(path + ".away", path)); }

}  // namespace faults

// Whatever goes wrong, and whenever: once it is mended and one more
// Restomer has written to the file, every answered task's row is in it
// exactly once, in order.
TEST(ResultsFile, NoRowIsLostOrWrittenTwice) {
  using namespace faults;
  QStandardPaths::setTestModeEnabled(true);
  std::unique_ptr<QLockFile> excel;
#ifdef Q_OS_WIN
  HANDLE excelHolds = INVALID_HANDLE_VALUE;
#endif
  const std::vector<Fault> faults = {
      {"the file locked by another Restomer",
       [&excel](const QString& path) {
         excel = std::make_unique<QLockFile>(path + ".lock");
         ASSERT_TRUE(excel->tryLock(0));
       },
       [&excel](const QString&) { excel.reset(); }, false, true},
      {"a folder in the file's place",
       [](const QString& path) {
         moveAway(path);
         ASSERT_TRUE(QDir().mkdir(path));
       },
       [](const QString& path) {
         ASSERT_TRUE(QDir().rmdir(path));
         moveBack(path);
       },
       true},
#ifdef Q_OS_WIN
      // Excel holds the workbook it opened so that others may read it only.
      {"the file cannot be opened: Excel holds it",
       [&excelHolds](const QString& path) {
         excelHolds =
             CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ,
                         FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
         ASSERT_NE(excelHolds, INVALID_HANDLE_VALUE);
       },
       [&excelHolds](const QString&) { CloseHandle(excelHolds); }},
#else
      {"the file cannot be opened: a link to nowhere",
       [](const QString& path) {
         moveAway(path);
         ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent/results.csv"), path));
       },
       [](const QString& path) {
         ASSERT_TRUE(QFile::remove(path));
         moveBack(path);
       }},
#endif
      {"the share gone", [](const QString& path) { moveAway(QFileInfo(path).absolutePath()); },
       [](const QString& path) { moveBack(QFileInfo(path).absolutePath()); }},
  };
  for (const Fault& fault : faults) {
    for (const char* when : {"at the start", "in the middle of the round", "at closing"}) {
      SCOPED_TRACE(std::string(fault.name) + ", " + when);
      QTemporaryDir dir;
      const QString path = dir.filePath(QStringLiteral("class/results.csv"));
      ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
      ASSERT_EQ(ResultsFile(path, {}).open(), "");
      const std::string mode(when);
      if (mode == "at the start" && fault.refusedAtStart) continue;
      {
        if (mode == "at the start") fault.make(path);
        ResultsFile pupil(path, {"pupil", "Мария", &kLev, 2, 7});
        ASSERT_EQ(pupil.open(), "");
        pupil.append(kTask);
        if (mode == "in the middle of the round") fault.make(path);
        pupil.append(kTask);
        if (mode == "at closing") fault.make(path);
        pupil.append(kTask);
        pupil.flush();
        EXPECT_FALSE(pupil.waitingIn().isEmpty()) << "the rows that wait are on disk";
        EXPECT_EQ(pupil.reason().startsWith("друга програма"), fault.lockedByAnother)
            << pupil.reason().toStdString();
        if (QFileInfo(path).isFile()) {  // the overview counts the rows beside it
          QString error;
          const ResultsReport report = loadResults({path}, error);
          EXPECT_EQ(report.rows.size(), 3u);
          EXPECT_EQ(report.waiting, pupil.waiting());
          EXPECT_TRUE(report.waitingBeside().startsWith("Броят се и")) << error.toStdString();
        }
      }
      fault.mend(path);
      ASSERT_EQ(ResultsFile(path, {}).open(), "");  // the next writer
      const std::map<QString, QStringList> runs = tasksByRun(path);
      ASSERT_EQ(runs.size(), 1u);
      EXPECT_EQ(runs.begin()->second.join(' '), "1 2 3");
      EXPECT_TRUE(waitingFilesBeside(path).isEmpty());
      EXPECT_TRUE(waitingFilesKept(path).isEmpty());
    }
  }
}

// A practice killed while its rows wait beside the locked file: the rows it
// reported written are all appended by the next writer, once each.
TEST(ResultsFile, RowsOfAKilledPracticeAreKept) {
  using namespace faults;
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("results.csv"));
  ASSERT_EQ(ResultsFile(path, {}).open(), "");
  auto excel = std::make_unique<QLockFile>(path + ".lock");
  ASSERT_TRUE(excel->tryLock(0));
  QProcess pupil;
  pupil.start(QStringLiteral(APPEND_RESULTS),
              {path, QStringLiteral("1000"), QStringLiteral("Иван"), QStringLiteral("slowly")});
  int reported = 0;
  while (reported < 3 && pupil.waitForReadyRead(30'000)) reported += pupil.readAll().count('\n');
  pupil.kill();
  pupil.waitForFinished();
  ASSERT_GE(reported, 3);
  excel.reset();
  ASSERT_EQ(ResultsFile(path, {}).open(), "");
  const std::map<QString, QStringList> runs = tasksByRun(path);
  ASSERT_EQ(runs.size(), 1u);
  const QStringList tasks = runs.begin()->second;
  ASSERT_GE(tasks.size(), reported);
  for (int k = 0; k < tasks.size(); ++k) EXPECT_EQ(tasks[k].toInt(), k + 1);
}

}  // namespace
}  // namespace restomer
