// Starts the application with its one window; closing it ends the program.
#include <QApplication>
#include <QLocale>
#include <cstdio>

#include "window/application.h"
#include "window/command_line.h"
#include "window/main_window.h"
#include "window/regional_settings.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  setUpApplication();
  const CommandLine commandLine = parseCommandLine(QApplication::arguments());
  if (!commandLine.error.isEmpty()) {
    std::fprintf(stderr, "restomer: %s\n", qPrintable(commandLine.error));
    return 2;
  }
  MainWindow window(regionalSettingsOf(QLocale::system()), *commandLine.currency);
  window.show();
  return app.exec();
}
