// Starts the application with its one window; closing it ends the program.
#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "window/application.h"
#include "window/command_line.h"
#include "window/main_window.h"
#include "window/regional_settings.h"

namespace {

// Reads the command line before the window system is reached, so that help,
// version and a bad command line need no display.
CommandLine readCommandLine(int argc, char* argv[]) {
  QCoreApplication core(argc, argv);
  setUpApplicationIdentity();
  return parseCommandLine(QCoreApplication::arguments());
}

}  // namespace

int main(int argc, char* argv[]) {
  const CommandLine commandLine = readCommandLine(argc, argv);
  if (!commandLine.error.isEmpty()) {
    std::fprintf(stderr, "restomer: %s\n", qPrintable(commandLine.error));
    return 2;
  }
  QApplication app(argc, argv);
  setUpApplication();
  std::optional<std::uint64_t> practiceSeed;
  if (commandLine.practice) {
    // Without a seed every start sets other tasks.
    practiceSeed =
        commandLine.seed.value_or(std::chrono::system_clock::now().time_since_epoch().count());
  }
  MainWindow window(regionalSettingsOf(QLocale::system()), *commandLine.currency, practiceSeed);
  window.show();
  return app.exec();
}
