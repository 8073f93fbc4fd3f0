#include "io/user_account.h"

#include <QString>
#include <QSysInfo>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
// windows.h first
#include <lmcons.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace restomer {

std::string loginName() {
  for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
    const QString name = qEnvironmentVariable(variable);
    if (!name.isEmpty()) return name.toStdString();
  }
  // Started with no such variable (a service, a bare environment): the
  // system knows the account.
#ifdef Q_OS_WIN
  wchar_t name[UNLEN + 1];
  DWORD size = UNLEN + 1;
  if (GetUserNameW(name, &size)) return QString::fromWCharArray(name).toStdString();
#else
  if (const passwd* account = getpwuid(geteuid())) return account->pw_name;
#endif
  return "";
}

std::string computerName() { return QSysInfo::machineHostName().toStdString(); }

}  // namespace restomer
