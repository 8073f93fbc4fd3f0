#include "io/draft_file.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include "io/system_reason.h"

namespace restomer {

QString saveThroughDraft(const QString& path, const QString& draftName,
                         const std::function<QString(const QString& draft)>& write) {
  QTemporaryDir scratch;
  if (!scratch.isValid()) return systemReason(scratch.errorString());
  const QString draft = scratch.filePath(draftName);
  if (const QString reason = write(draft); !reason.isEmpty()) return reason;
  QFile made(draft);
  if (!made.open(QIODevice::ReadOnly)) return systemReason(made.errorString());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(made.readAll()) < 0 || !file.commit()) {
    return systemReason(file.errorString());
  }
  return {};
}

}  // namespace restomer
