// Starts the application with its one window; closing it ends the program.
#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "window/main_window.h"
#include "window/regional_settings.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Restomer"));
  QApplication::setApplicationVersion(QStringLiteral(RESTOMER_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/restomer.xpm")));

  MainWindow window(regionalSettingsOf(QLocale::system()));
  window.show();
  return app.exec();
}
