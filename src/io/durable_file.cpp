#include "io/durable_file.h"

#include <QFileInfo>
#include <QSaveFile>

#include "io/system_reason.h"

#ifdef Q_OS_WIN
#include <windows.h>
// windows.h first
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace restomer {
namespace {

QString deviceReason() { return QStringLiteral("данните не стигнаха до диска"); }

#ifdef Q_OS_WIN

// Qt opens files with handles of Windows' own, which the C library cannot
// flush to the device: the files written durably are opened by it instead,
// shared like Qt's.
int openDescriptor(const QString& path, int flags, QString& reason) {
  int descriptor = -1;
  if (_wsopen_s(&descriptor, reinterpret_cast<const wchar_t*>(path.utf16()), flags | _O_BINARY,
                _SH_DENYNO, _S_IREAD | _S_IWRITE) != 0) {
    reason = windowsReason(_doserrno);
  }
  return descriptor;
}

bool syncToDevice(int descriptor) { return _commit(descriptor) == 0; }

#else

bool syncToDevice(int descriptor) { return fsync(descriptor) == 0; }

// A new name in a folder is on the device once the folder is.
void syncFolderOf(const QString& path) {
  const int folder =
      ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
  if (folder < 0) return;
  fsync(folder);
  ::close(folder);
}

#endif

}  // namespace

QString openToAppend(QFile& file, const QString& path) {
#ifdef Q_OS_WIN
  QString reason;
  const int descriptor = openDescriptor(path, _O_RDWR | _O_APPEND | _O_CREAT, reason);
  if (descriptor < 0) return reason;
  file.open(descriptor, QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered,
            QFileDevice::AutoCloseHandle);
  return {};
#else
  file.setFileName(path);
  if (file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) return {};
  return systemReason(file.errorString());
#endif
}

QString appendDurably(QFile& file, const QByteArray& bytes) {
  const qint64 size = file.size();
  if (file.write(bytes) == bytes.size() && file.flush() && syncToDevice(file.handle())) return {};
  const QString reason =
      file.error() == QFileDevice::NoError ? deviceReason() : systemReason(file.errorString());
  file.resize(size);  // no half row stays behind
  return reason;
}

QString replaceDurably(const QString& path, const QByteArray& bytes) {
#ifdef Q_OS_WIN
  const QString draft = path + QStringLiteral(".new");
  QString reason;
  const int descriptor = openDescriptor(draft, _O_WRONLY | _O_CREAT | _O_TRUNC, reason);
  if (descriptor < 0) return reason;
  const bool written =
      _write(descriptor, bytes.constData(), static_cast<unsigned>(bytes.size())) == bytes.size() &&
      syncToDevice(descriptor);
  _close(descriptor);
  if (written && MoveFileExW(reinterpret_cast<const wchar_t*>(draft.utf16()),
                             reinterpret_cast<const wchar_t*>(path.utf16()),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return {};
  }
  reason = written ? windowsReason(GetLastError()) : deviceReason();
  QFile::remove(draft);
  return reason;
#else
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return systemReason(file.errorString());
  if (file.write(bytes) != bytes.size() || !file.flush()) return systemReason(file.errorString());
  if (!syncToDevice(file.handle())) return deviceReason();
  if (!file.commit()) return systemReason(file.errorString());
  syncFolderOf(path);
  return {};
#endif
}

}  // namespace restomer
