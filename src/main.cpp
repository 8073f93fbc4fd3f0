// Starts the application with its one window; closing it ends the program.
#include <QApplication>
#include <QLocale>

#include "window/application.h"
#include "window/main_window.h"
#include "window/regional_settings.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  setUpApplication();
  MainWindow window(regionalSettingsOf(QLocale::system()));
  window.show();
  return app.exec();
}
