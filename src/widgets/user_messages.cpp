#include "widgets/user_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>

#include "widgets/application.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace restomer {
namespace {

// UTF-8 on every system, Windows too, where the local 8-bit code page has
// no Cyrillic.
void print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

#ifdef Q_OS_WIN
// Whether nothing reads what the program prints: a program with a window
// started from Explorer or a shortcut.
bool outputGoesNowhere(DWORD stream) {
  const HANDLE handle = GetStdHandle(stream);
  return handle == nullptr || handle == INVALID_HANDLE_VALUE ||
         GetFileType(handle) == FILE_TYPE_UNKNOWN;
}
#endif

#ifndef Q_OS_WIN
// Whether a desktop can show a message box: never where there is no
// display, which would end the program before it could say anything.
bool desktopIsThere() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.startsWith("offscreen") || platform.startsWith("minimal")) return false;
  return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}
#endif

void showMessageBox(int argc, char* argv[], QMessageBox::Icon icon, const QString& text) {
  std::unique_ptr<QApplication> app;
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    app = std::make_unique<QApplication>(argc, argv);
    setUpApplication();
  }
  QMessageBox box(icon, QStringLiteral("Restomer"), text, QMessageBox::Ok);
  box.exec();
}

}  // namespace

void showOutput(int argc, char* argv[], const QString& text) {
  print(stdout, text);
#ifdef Q_OS_WIN
  if (outputGoesNowhere(STD_OUTPUT_HANDLE)) {
    showMessageBox(argc, argv, QMessageBox::Information, text);
  }
#else
  Q_UNUSED(argc);
  Q_UNUSED(argv);
#endif
}

int showError(int argc, char* argv[], const QString& error, bool windowWasMeant) {
  print(stderr, QStringLiteral("restomer: %1\n").arg(error));
  // On Windows a program with a window has no console unless a terminal
  // or a script started it; on Linux a terminal shows the line anyway.
#ifdef Q_OS_WIN
  Q_UNUSED(windowWasMeant);
  const bool unseen = outputGoesNowhere(STD_ERROR_HANDLE);
#else
  const bool unseen = windowWasMeant && desktopIsThere();
#endif
  if (unseen) showMessageBox(argc, argv, QMessageBox::Critical, error);
  return 2;
}

}  // namespace restomer
