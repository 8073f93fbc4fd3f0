#include "io/results_file.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "io/system_reason.h"

namespace restomer {
namespace {

// How often rows that wait are tried again.
constexpr int kRetryMs = 2'000;

QString busyReason() { return QStringLiteral("друга програма пише в него в момента"); }

}  // namespace

ResultsFile::ResultsFile(const QString& path, const ResultsContext& context, QObject* parent)
    : QObject(parent), path_(path), context_(context) {
  retry_.setInterval(kRetryMs);
  connect(&retry_, &QTimer::timeout, this, [this] { flush(); });
}

QString ResultsFile::waitingFileFor(const QString& path) {
  const QByteArray key = QCryptographicHash::hash(QFileInfo(path).absoluteFilePath().toUtf8(),
                                                  QCryptographicHash::Sha1)
                             .toHex()
                             .left(16);
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
      .filePath(QStringLiteral("waiting-results-%1.csv").arg(QString::fromLatin1(key)));
}

QString ResultsFile::prepare(const QString& path) {
  QString reason = appendWhole(path, std::string(kByteOrderMark) + ResultsHeader(), true);
  // Another computer appending now has the file, header and all: it needs
  // only to open.
  if (reason == busyReason()) {
    QFile file(path);
    reason = file.open(QIODevice::Append) ? QString() : systemReason(file.errorString());
  }
  if (reason.isEmpty()) return {};
  return QStringLiteral("Файлът с резултатите „%1“ не може да се отвори за добавяне: %2.")
      .arg(QDir::toNativeSeparators(path), reason);
}

QString ResultsFile::open() {
  if (const QString error = prepare(path_); !error.isEmpty()) return error;
  // Rows an earlier run could not write come first.
  QFile kept(waitingFileFor(path_));
  if (kept.open(QIODevice::ReadOnly)) {
    const QList<QByteArray> rows = kept.readAll().split('\n');
    kept.close();
    for (const QByteArray& row : rows) {
      if (!row.isEmpty()) waiting_.push_back(row.toStdString() + "\n");
    }
    // The kept file holds them until they are all in the class's file,
    // now or when a retry writes them.
    keptFrom_ = kept.fileName();
    flush();
  }
  return {};
}

QString ResultsFile::append(const TaskRecord& record) {
  const QDateTime now = QDateTime::currentDateTime();
  const std::string time =
      now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate).toStdString();
  waiting_.push_back(ResultsRow(time, context_, record));
  return flush();
}

QString ResultsFile::flush() {
  const int before = waiting();
  while (!waiting_.empty()) {
    reason_ = appendWhole(path_, waiting_.front(), false);
    if (!reason_.isEmpty()) break;
    waiting_.pop_front();
  }
  if (waiting_.empty()) {
    reason_.clear();
    retry_.stop();
    if (!keptFrom_.isEmpty()) QFile::remove(keptFrom_);
    keptFrom_.clear();
  } else if (!retry_.isActive()) {
    retry_.start();
  }
  if (waiting() != before) emit waitingChanged();
  return reason_;
}

QString ResultsFile::keepWaiting() {
  if (waiting_.empty()) return {};
  const QString path = waitingFileFor(path_);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  for (const std::string& row : waiting_) {
    file.write(row.data(), static_cast<qint64>(row.size()));
  }
  return file.commit() ? path : QString();
}

QString ResultsFile::appendWhole(const QString& path, const std::string& text, bool onlyWhenEmpty) {
  // Programs on other computers append to the same file: one at a time. A
  // folder where no lock can be made still gets each row in one write. The
  // lock is only tried: a row that finds it taken waits for the next try.
  QLockFile lock(path + QStringLiteral(".lock"));
  if (!lock.tryLock(0) && lock.error() != QLockFile::PermissionError) {
    return busyReason();
  }
  QFile file(path);
  if (!file.open(QIODevice::Append | QIODevice::Unbuffered))
    return systemReason(file.errorString());
  const qint64 size = file.size();
  if (onlyWhenEmpty && size > 0) return {};
  const auto length = static_cast<qint64>(text.size());
  if (file.write(text.data(), length) == length && file.flush()) return {};
  const QString reason = systemReason(file.errorString());
  file.resize(size);  // no half row stays behind
  return reason;
}

}  // namespace restomer
