// Starts the application with its one window; closing it ends the program.
#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "window/application.h"
#include "window/command_line.h"
#include "window/main_window.h"
#include "window/regional_settings.h"
#include "window/results_file.h"
#include "window/worksheet.h"

namespace {

// Reads the command line before the window system is reached, so that help,
// version and a bad command line need no display.
CommandLine readCommandLine(int argc, char* argv[]) {
  QCoreApplication core(argc, argv);
  setUpApplicationIdentity();
  return parseCommandLine(QCoreApplication::arguments());
}

// UTF-8 on every system, Windows too, where the local 8-bit code page has
// no Cyrillic.
void print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

int fail(const QString& error) {
  print(stderr, QStringLiteral("restomer: %1\n").arg(error));
  return 2;
}

// Writes a worksheet and ends, on Qt's offscreen platform: no window, and
// no display needed.
int makeWorksheet(int argc, char* argv[], const CommandLine& commandLine, std::uint64_t seed) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  WorksheetOptions options;
  options.currency = commandLine.currency;
  options.level = restomer::FindLevel(commandLine.level);
  options.tasks = commandLine.tasks > 0 ? commandLine.tasks : kWorksheetTasks;
  options.seed = seed;
  options.settings = regionalSettingsOf(QLocale::system());
  options.date = QDate::currentDate();
  const QString error = writeWorksheet(commandLine.worksheet, options);
  return error.isEmpty() ? 0 : fail(error);
}

}  // namespace

int main(int argc, char* argv[]) {
  const CommandLine commandLine = readCommandLine(argc, argv);
  if (!commandLine.error.isEmpty()) return fail(commandLine.error);
  if (!commandLine.output.isEmpty()) {
    print(stdout, commandLine.output);
    return 0;
  }
  // Without a seed every start sets other tasks.
  const std::uint64_t seed =
      commandLine.seed.value_or(std::chrono::system_clock::now().time_since_epoch().count());
  if (!commandLine.worksheet.isEmpty()) return makeWorksheet(argc, argv, commandLine, seed);
  const restomer::Level& level = *restomer::FindLevel(commandLine.level);

  std::optional<ResultsFile> results;
  if (!commandLine.results.isEmpty()) {
    results.emplace(commandLine.results,
                    restomer::ResultsContext{loginName(), commandLine.name.toStdString(),
                                             commandLine.currency, level.number, seed});
    if (const QString error = results->open(); !error.isEmpty()) return fail(error);
  }

  QApplication app(argc, argv);
  setUpApplication();
  std::optional<restomer::PracticeOptions> practice;
  if (commandLine.practice) practice.emplace(seed, level, commandLine.tasks);
  MainWindow window(regionalSettingsOf(QLocale::system()), *commandLine.currency, practice);
  if (results) window.keepResultsIn(&*results);
  window.show();
  return app.exec();
}
