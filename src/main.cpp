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

#include "core/coin_wording.h"
#include "core/lesson.h"
#include "core/results_row.h"
#include "io/application_identity.h"
#include "io/command_line.h"
#include "io/regional_settings.h"
#include "io/results_file.h"
#include "io/translations.h"
#include "print/fonts.h"
#include "print/lesson_worksheet.h"
#include "print/report.h"
#include "print/slips.h"
#include "widgets/application.h"
#include "widgets/demonstration_window.h"
#include "widgets/informatics_window.h"
#include "widgets/overview_window.h"
#include "widgets/practice_launcher.h"
#include "widgets/teacher_window.h"
#include "widgets/user_messages.h"

namespace restomer {
namespace {

// Reads the command line before the window system is reached, so that help,
// version and a bad command line need no display.
CommandLine readCommandLine(int argc, char* argv[]) {
  QCoreApplication core(argc, argv);
  setUpApplicationIdentity();
  installQtTranslations();
  return parseCommandLine(QCoreApplication::arguments());
}

// Writes a file and ends, on Qt's offscreen platform: no window, and no
// display needed. `write` returns an empty string or what went wrong.
int writeWithoutWindow(int argc, char* argv[], const std::function<QString()>& write) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  installQtTranslations();
  useCarriedFonts();
  const QString error = write();
  return error.isEmpty() ? 0 : showError(argc, argv, error, false);
}

int showDemonstration(int argc, char* argv[], const CommandLine& commandLine) {
  QApplication app(argc, argv);
  setUpApplication();
  DemonstrationWindow window(regionalSettingsOf(QLocale::system()), *commandLine.lesson.currency);
  window.show();
  return app.exec();
}

// A results path that can never be a file is said before the window system
// is reached, so that saying it needs no display. One that cannot be
// written now does not keep the pupil from practice.
int practise(int argc, char* argv[], const CommandLine& commandLine) {
  const QString results = QString::fromStdString(commandLine.lesson.results);
  if (!results.isEmpty()) {
    if (const QString error = ResultsFile::cannotBeFile(results); !error.isEmpty()) {
      return showError(argc, argv, error, true);
    }
  }
  QApplication app(argc, argv);
  setUpApplication();
  QString error;
  if (openPractice(commandLine.lesson, true, error) == nullptr) {
    return error.isEmpty() ? 0 : showError(argc, argv, error, true);
  }
  return app.exec();
}

// A file of another kind is said before the window system is reached.
int showOverview(int argc, char* argv[], const CommandLine& commandLine) {
  for (const QString& path : commandLine.resultsPaths) {
    if (const QString error = notResultsFile(path); !error.isEmpty()) {
      return showError(argc, argv, error, true);
    }
  }
  QApplication app(argc, argv);
  setUpApplication();
  OverviewWindow window(commandLine.resultsPaths);
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

int explainCoins(int argc, char* argv[], const CommandLine& commandLine) {
  QApplication app(argc, argv);
  setUpApplication();
  InformaticsWindow window(regionalSettingsOf(QLocale::system()));
  if (!commandLine.lesson.coins.empty()) window.setCoins(commandLine.lesson.coins);
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
        return writeLessonWorksheet(commandLine.worksheet, commandLine.lesson);
      });
    case Mode::kDemonstration:
      return showDemonstration(argc, argv, commandLine);
    case Mode::kPractice:
      return practise(argc, argv, commandLine);
    case Mode::kTeacher:
      return teach(argc, argv, commandLine);
    case Mode::kOverview:
      return showOverview(argc, argv, commandLine);
    case Mode::kCoins:
      showOutput(argc, argv,
                 QString::fromStdString(commandLine.amount
                                            ? AmountAnswer(commandLine.coins, *commandLine.amount)
                                            : SystemAnswer(commandLine.coins)));
      return 0;
    case Mode::kInformatics:
      return explainCoins(argc, argv, commandLine);
    case Mode::kReport:
      return writeWithoutWindow(argc, argv, [&commandLine] {
        QString error;
        for (const QString& path : commandLine.resultsPaths) {
          if (error = notResultsFile(path); !error.isEmpty()) return error;
        }
        const ResultsReport report = loadResults(commandLine.resultsPaths, error);
        if (!error.isEmpty()) return error;
        return commandLine.perPupil ? writeSlips(commandLine.report, report)
                                    : writeReport(commandLine.report, report);
      });
  }
  return 0;
}

}  // namespace
}  // namespace restomer

int main(int argc, char* argv[]) { return restomer::run(argc, argv); }
