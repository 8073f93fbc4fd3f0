#include "io/results_sources.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "core/results_reader.h"
#include "io/waiting_rows.h"

namespace restomer {
namespace {

// Every CSV file below `folder` by path, the waiting files only when asked.
QStringList csvFilesBelow(const QString& folder, bool waitingToo = false) {
  QStringList files;
  QDirIterator found(folder, {QStringLiteral("*.csv"), QStringLiteral("*.CSV")}, QDir::Files,
                     QDirIterator::Subdirectories);
  while (found.hasNext()) {
    const QString file = found.next();
    if (waitingToo || !isWaitingFile(file)) files << file;
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Whether the file may be a results file: one with a results file's
// header, or one not written yet (missing or empty).
bool mayBeResultsFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return true;
  const QByteArray header = file.readLine(64 * 1024);
  return header.isEmpty() ||
         ReadResults(std::string_view(header.constData(), header.size())).header_known;
}

}  // namespace

ResultsSources findResultsFiles(const QStringList& paths) {
  ResultsSources sources;
  // A file named twice, or named and in a folder named, is read once.
  QSet<QString> found;
  const auto firstTime = [&found](const QString& file) {
    const QFileInfo info(file);
    const QString path = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    if (found.contains(path)) return false;
    found.insert(path);
    return true;
  };
  for (const QString& path : paths) {
    const QFileInfo given(path);
    if (!given.isDir()) {
      if (firstTime(path)) sources.files.push_back({path, given.absoluteDir().dirName()});
      continue;
    }
    const QString className = QDir(given.absoluteFilePath()).dirName();
    for (const QString& file : csvFilesBelow(path)) {
      if (!firstTime(file)) continue;
      if (mayBeResultsFile(file)) {
        sources.files.push_back({file, className});
      } else {
        sources.passedOver
            << QStringLiteral("„%1“ не е файл с резултати.").arg(QDir::toNativeSeparators(file));
      }
    }
  }
  return sources;
}

QString resultsState(const QStringList& paths) {
  QString state;
  for (const QString& path : paths) {
    const QStringList files = QFileInfo(path).isDir()
                                  ? csvFilesBelow(path, true)
                                  : QStringList{path} + waitingFilesBeside(path);
    for (const QString& file : files) {
      const QFileInfo info(file);
      state += QStringLiteral("%1 %2 %3\n")
                   .arg(file)
                   .arg(info.size())
                   .arg(info.lastModified().toMSecsSinceEpoch());
    }
  }
  return state;
}

QString notResultsFile(const QString& path) {
  if (QFileInfo(path).isDir() || mayBeResultsFile(path)) return {};
  return QStringLiteral("„%1“ не е нито файл с резултати, нито урок.")
      .arg(QDir::toNativeSeparators(path));
}

}  // namespace restomer
