// Starts the program in the mode its command line asks for: help or
// version, a worksheet, the demonstration, practice, the teacher's window,
// the overview of a results file or its report.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <cstdint>
#include <functional>
#include <optional>

#include "core/lesson.h"
#include "core/results_row.h"
#include "io/application_identity.h"
#include "io/command_line.h"
#include "io/regional_settings.h"
#include "io/results_file.h"
#include "print/fonts.h"
#include "print/report.h"
#include "print/worksheet.h"
#include "widgets/application.h"
#include "widgets/main_window.h"
#include "widgets/overview_window.h"
#include "widgets/pupil_name.h"
#include "widgets/teacher_window.h"
#include "widgets/user_messages.h"

namespace restomer {
namespace {

// Reads the command line before the window system is reached, so that help,
// version and a bad command line need no display.
CommandLine readCommandLine(int argc, char* argv[]) {
  QCoreApplication core(argc, argv);
  setUpApplicationIdentity();
  return parseCommandLine(QCoreApplication::arguments());
}

// Writes a file and ends, on Qt's offscreen platform: no window, and no
// display needed. `write` returns an empty string or what went wrong.
int writeWithoutWindow(int argc, char* argv[], const std::function<QString()>& write) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  useCarriedFonts();
  const QString error = write();
  return error.isEmpty() ? 0 : showError(argc, argv, error, false);
}

int showDemonstration(int argc, char* argv[], const CommandLine& commandLine) {
  QApplication app(argc, argv);
  setUpApplication();
  MainWindow window(regionalSettingsOf(QLocale::system()), *commandLine.lesson.currency);
  window.show();
  return app.exec();
}

int practise(int argc, char* argv[], const CommandLine& commandLine) {
  Lesson lesson = commandLine.lesson;
  const std::uint64_t seed = lesson.seed.value_or(NewSeed());
  // The results file is tried before the window system is reached, so that
  // a file that cannot be opened needs no display to be said.
  std::optional<ResultsFile> results;
  if (!lesson.results.empty()) {
    results.emplace(QString::fromStdString(lesson.results),
                    ResultsContext{loginName(), lesson.name, lesson.currency, lesson.level, seed});
    if (const QString error = results->open(); !error.isEmpty()) {
      return showError(argc, argv, error, true);
    }
  }
  QApplication app(argc, argv);
  setUpApplication();
  if (lesson.ask_name) {
    const std::optional<QString> name = askPupilName();
    if (!name) return 0;
    lesson.name = name->toStdString();
    if (results) results->setPupilName(lesson.name);
  }
  MainWindow window(regionalSettingsOf(QLocale::system()), *lesson.currency,
                    PracticeOptions(seed, *FindLevel(lesson.level), lesson.tasks));
  window.showPupilName(QString::fromStdString(lesson.name));
  if (results) window.keepResultsIn(&*results);
  window.show();
  return app.exec();
}

int showOverview(int argc, char* argv[], const CommandLine& commandLine) {
  QApplication app(argc, argv);
  setUpApplication();
  OverviewWindow window(commandLine.resultsFile);
  window.show();
  return app.exec();
}

int teach(int argc, char* argv[], const CommandLine& commandLine) {
  QApplication app(argc, argv);
  setUpApplication();
  TeacherWindow window;
  window.setLesson(commandLine.lesson, commandLine.lessonFile);
  window.show();
  return app.exec();
}

int run(int argc, char* argv[]) {
  const CommandLine commandLine = readCommandLine(argc, argv);
  if (!commandLine.error.isEmpty()) {
    return showError(argc, argv, commandLine.error, commandLine.windowWasMeant);
  }
  switch (commandLine.mode) {
    case Mode::kPrint:
      showOutput(argc, argv, commandLine.output);
      return 0;
    case Mode::kWorksheet:
      return writeWithoutWindow(argc, argv, [&commandLine] {
        return writeWorksheet(commandLine.worksheet, worksheetOptionsOf(commandLine.lesson));
      });
    case Mode::kDemonstration:
      return showDemonstration(argc, argv, commandLine);
    case Mode::kPractice:
      return practise(argc, argv, commandLine);
    case Mode::kTeacher:
      return teach(argc, argv, commandLine);
    case Mode::kOverview:
      return showOverview(argc, argv, commandLine);
    case Mode::kReport:
      return writeWithoutWindow(argc, argv, [&commandLine] {
        QString error;
        const ResultsReport report = loadResults(commandLine.resultsFile, error);
        return error.isEmpty() ? writeReport(commandLine.report, report) : error;
      });
  }
  return 0;
}

}  // namespace
}  // namespace restomer

int main(int argc, char* argv[]) { return restomer::run(argc, argv); }
