#include "io/system_reason.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace restomer {

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
