#include "io/waiting_rows.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/results_reader.h"
#include "core/results_row.h"
#include "io/results_rows.h"

namespace restomer {
namespace {

const QString kBeside = QStringLiteral(".waiting-");
const QString kKept = QStringLiteral("waiting-results-");

// A name any file system takes: a host name may hold anything.
QString safeName(const std::string& text) {
  QString name = QString::fromStdString(text);
  for (QChar& c : name) {
    if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-')) c = u'_';
  }
  return name;
}

QString keptKey(const QString& results) {
  return QString::fromLatin1(
      QCryptographicHash::hash(QFileInfo(results).absoluteFilePath().toUtf8(),
                               QCryptographicHash::Sha1)
          .toHex()
          .left(16));
}

QDir dataFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

QStringList pathsIn(const QDir& folder, const QString& pattern) {
  QStringList paths;
  for (const QString& name : folder.entryList({pattern}, QDir::Files, QDir::Name)) {
    paths << folder.filePath(name);
  }
  return paths;
}

// The columns of the rows kept by versions that wrote no header.
std::string headerOfHeaderlessFiles() {
  std::vector<std::string> names;
  for (const ResultsColumn& column : ResultsColumns()) {
    names.emplace_back(column.header);
    if (column.id == ResultsColumnId::kOutcome) break;
  }
  return CsvLine(names);
}

}  // namespace

QString waitingFileBeside(const QString& results, const std::string& computer,
                          const std::string& run) {
  const QFileInfo file(results);
  return file.dir().filePath(file.completeBaseName() + kBeside + safeName(computer) +
                             QLatin1Char('-') + safeName(run) + QStringLiteral(".csv"));
}

bool isWaitingFile(const QString& path) { return QFileInfo(path).fileName().contains(kBeside); }

QStringList waitingFilesBeside(const QString& results) {
  const QFileInfo file(results);
  return pathsIn(file.dir(), file.completeBaseName() + kBeside + QStringLiteral("*.csv"));
}

QString waitingFileKept(const QString& results, const std::string& run) {
  return dataFolder().filePath(kKept + keptKey(results) + QLatin1Char('-') + safeName(run) +
                               QStringLiteral(".csv"));
}

QStringList waitingFilesKept(const QString& results) {
  // The versions before runs kept one file for all.
  return pathsIn(dataFolder(), kKept + keptKey(results) + QStringLiteral("*.csv"));
}

std::vector<ResultRow> readWaitingRows(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  ResultsRead read = readResultsRows(file);
  if (!read.header_known) {  // the first versions' waiting files had no header
    std::string text = headerOfHeaderlessFiles();
    file.seek(0);
    text += file.readAll().toStdString();
    read = ReadResults(text);
  }
  return read.rows;
}

QByteArray waitingRowsText(const std::vector<ResultRow>& rows) {
  std::string text = std::string(kByteOrderMark) + ResultsHeader();
  for (const ResultRow& row : rows) text += ResultsLine(row);
  return QByteArray::fromStdString(text);
}

}  // namespace restomer
