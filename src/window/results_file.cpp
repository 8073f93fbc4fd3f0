#include "window/results_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>

#ifdef Q_OS_WIN
#include <windows.h>
// windows.h first
#include <lmcons.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

// How long to wait for another computer's row before giving up on this one.
constexpr int kLockTimeoutMs = 10'000;

}  // namespace

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

QString ResultsFile::open() {
  const QString reason = appendWhole(restomer::ResultsHeader(), true);
  if (reason.isEmpty()) return {};
  return QStringLiteral("Файлът с резултатите „%1“ не може да се отвори за добавяне: %2.")
      .arg(QDir::toNativeSeparators(path_), reason);
}

QString ResultsFile::append(const restomer::TaskRecord& record) {
  const QDateTime now = QDateTime::currentDateTime();
  const std::string time =
      now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate).toStdString();
  const QString reason = appendWhole(restomer::ResultsRow(time, context_, record), false);
  if (reason.isEmpty()) return {};
  return QStringLiteral("Задача %1 не е записана във файла с резултатите „%2“: %3.")
      .arg(record.number)
      .arg(QDir::toNativeSeparators(path_), reason);
}

QString ResultsFile::appendWhole(const std::string& text, bool onlyWhenEmpty) {
  // Programs on other computers append to the same file: one at a time. A
  // folder where no lock can be made still gets each row in one write.
  QLockFile lock(path_ + QStringLiteral(".lock"));
  if (!lock.tryLock(kLockTimeoutMs) && lock.error() != QLockFile::PermissionError) {
    return QStringLiteral("друга програма го държи заключен");
  }
  QFile file(path_);
  if (!file.open(QIODevice::Append | QIODevice::Unbuffered)) return file.errorString();
  const qint64 size = file.size();
  if (onlyWhenEmpty && size > 0) return {};
  const auto length = static_cast<qint64>(text.size());
  if (file.write(text.data(), length) == length && file.flush()) return {};
  const QString reason = file.errorString();
  file.resize(size);  // no half row stays behind
  return reason;
}
