#include "io/system_reason.h"

#include <QtGlobal>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace restomer {
namespace {

#ifdef Q_OS_WIN
// The reasons Windows gives most, as windowsReason words them.
constexpr unsigned long kCommonWindowsReasons[] = {2, 3, 5, 32, 33, 39, 53, 67, 112};
#endif

QString inSentence(QString reason) {
  while (reason.endsWith(QLatin1Char('.'))) reason.chop(1);
  reason = reason.trimmed();
  if (reason.size() > 1 && reason[1].isLower()) reason[0] = reason[0].toLower();
  return reason;
}

}  // namespace

QString systemReason(QString reason) {
  reason = inSentence(std::move(reason));
#ifdef Q_OS_WIN
  // Qt words a failed open in Windows' display language, which the words
  // of each common reason's number are compared with.
  for (unsigned long code : kCommonWindowsReasons) {
    if (reason == inSentence(qt_error_string(static_cast<int>(code)))) return windowsReason(code);
  }
#endif
  return reason;
}

QString windowsReason(unsigned long code) {
  // Windows' own numbers, the same on every version.
  switch (code) {
    case 2:   // ERROR_FILE_NOT_FOUND
    case 3:   // ERROR_PATH_NOT_FOUND
    case 53:  // ERROR_BAD_NETPATH
    case 67:  // ERROR_BAD_NET_NAME
      return QStringLiteral("папката не съществува или не е достъпна");
    case 5:  // ERROR_ACCESS_DENIED
      return QStringLiteral("достъпът е отказан");
    case 32:  // ERROR_SHARING_VIOLATION
    case 33:  // ERROR_LOCK_VIOLATION
      return QStringLiteral("файлът е отворен в друга програма (например в Excel)");
    case 39:   // ERROR_HANDLE_DISK_FULL
    case 112:  // ERROR_DISK_FULL
      return QStringLiteral("дискът е пълен");
  }
#ifdef Q_OS_WIN
  return systemReason(qt_error_string(static_cast<int>(code)));
#else
  return QStringLiteral("грешка %1 на Windows").arg(code);
#endif
}

}  // namespace restomer
