#include "io/results_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <memory>
#include <unordered_set>

#include "core/results_reader.h"
#include "io/durable_file.h"
#include "io/results_rows.h"
#include "io/user_account.h"
#include "io/waiting_rows.h"

namespace restomer {
namespace {

// How often rows that wait are tried again.
constexpr int kRetryMs = 2'000;
// How long a lock another Restomer holds is waited for: a row takes it for
// milliseconds, and the window must not freeze.
constexpr int kLockWaitMs = 100;

QString busyReason() { return QStringLiteral("друга програма пише в него в момента"); }

// Takes the lock of the file at `path`; null while another holds it. A
// folder where no lock can be made (one nobody may write, or one gone) is
// left to the write itself, which gives the reason, or writes each row whole.
std::unique_ptr<QLockFile> lockOf(const QString& path) {
  auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
  if (lock->tryLock(kLockWaitMs) || lock->error() != QLockFile::LockFailedError) return lock;
  return nullptr;
}

// "20261209T081500-3f9a0c": when the run began, and a random part no other
// run shares.
std::string newRun() {
  return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd'T'HHmmss")).toStdString() +
         "-" +
         QString::number(QRandomGenerator::system()->generate() & 0xFFFFFF, 16)
             .rightJustified(6, QLatin1Char('0'))
             .toStdString();
}

bool refusedName(const QString& name) {
  if (name.isEmpty() || name.toUtf8().size() > 255) return true;
#ifdef Q_OS_WIN
  static const QRegularExpression device(
      QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
      QRegularExpression::CaseInsensitiveOption);
  for (QChar c : name) {
    if (c.unicode() < 32 || QStringLiteral("<>:\"/\\|?*").contains(c)) return true;
  }
  return device.match(name).hasMatch() || name.endsWith(u'.') || name.endsWith(u' ');
#else
  return false;
#endif
}

QString writeWaitingFile(const QString& path, const QByteArray& text) {
  const std::unique_ptr<QLockFile> lock = lockOf(path);
  return lock ? replaceDurably(path, text) : busyReason();
}

}  // namespace

ResultsFile::ResultsFile(const QString& path, ResultsContext context, QObject* parent)
    : QObject(parent), path_(path), context_(std::move(context)) {
  if (context_.computer.empty()) context_.computer = computerName();
  if (context_.run.empty()) context_.run = newRun();
  retry_.setInterval(kRetryMs);
  connect(&retry_, &QTimer::timeout, this, [this] { flush(); });
}

QString ResultsFile::cannotBeFile(const QString& path) {
  const QFileInfo file(path);
  QString reason;
  if (file.isDir()) {
    reason = QStringLiteral("това е папка");
  } else if (refusedName(file.fileName())) {
    reason = QStringLiteral("системата не приема такова име на файл");
  } else {
    return {};
  }
  return QStringLiteral("Файлът с резултатите „%1“ не може да бъде създаден: %2.")
      .arg(QDir::toNativeSeparators(path), reason);
}

QString ResultsFile::open() {
  if (const QString error = cannotBeFile(path_); !error.isEmpty()) return error;
  // Rows an earlier run on this computer kept while the folder was gone.
  for (const QString& kept : waitingFilesKept(path_)) {
    for (ResultRow& row : readWaitingRows(kept)) {
      // Rows of versions before ids take this run's, which they keep from
      // then on, wherever they wait.
      if (RowId(row).empty()) {
        row.run = context_.run;
        row.sequence = ++sequence_;
      }
      pending_.push_back(std::move(row));
    }
    takenUp_ << kept;
  }
  mayBeWritten_ = !pending_.empty();
  // Also makes a new file with its header, and appends the rows other
  // computers left waiting beside it.
  settle(true);
  return {};
}

QString ResultsFile::append(const TaskRecord& record) {
  const QDateTime now = QDateTime::currentDateTime();
  const std::string time =
      now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate).toStdString();
  pending_.push_back(ResultRowOf(time, context_, record, ++sequence_));
  return flush();
}

QString ResultsFile::flush() { return settle(false); }

QString ResultsFile::settle(bool evenWithNothingToWrite) {
  if (pending_.empty() && !evenWithNothingToWrite) return {};
  const int before = waiting();
  const QString beforeIn = waitingIn_;
  reason_ = writeToResultsFile();
  if (reason_.isEmpty()) {
    pending_.clear();
    mayBeWritten_ = false;
    removeOwnWaitingFiles();
    retry_.stop();
  } else if (!pending_.empty()) {
    keepOnDevice();
    if (!retry_.isActive()) retry_.start();
  }
  if (waiting() != before || waitingIn_ != beforeIn) emit waitingChanged();
  return pending_.empty() ? QString() : reason_;
}

QString ResultsFile::writeToResultsFile() {
  const std::unique_ptr<QLockFile> lock = lockOf(path_);
  if (!lock) return busyReason();
  QFile file;
  if (const QString reason = openToAppend(file, path_); !reason.isEmpty()) return reason;

  std::vector<ResultRow> rows;
  std::vector<std::pair<QString, std::unique_ptr<QLockFile>>> merged;
  for (const QString& waiting : waitingFilesBeside(path_)) {
    std::unique_ptr<QLockFile> waitingLock = lockOf(waiting);
    if (!waitingLock) continue;  // being written: the next writer takes it
    for (ResultRow& row : readWaitingRows(waiting)) rows.push_back(std::move(row));
    merged.emplace_back(waiting, std::move(waitingLock));
  }
  rows.insert(rows.end(), pending_.begin(), pending_.end());

  QByteArray text;
  std::unordered_set<std::string> ids;
  std::vector<std::string> header;
  if (file.size() == 0) {
    text = QByteArray(kByteOrderMark) + QByteArray::fromStdString(ResultsHeader());
    header = ResultsHeaderOf(ResultsHeader());
  } else if (file.seek(0); mayBeWritten_ || !merged.empty()) {
    // A merge cut short, or a row another writer took from a waiting
    // file, is in the file already.
    const ResultsRead existing = readResultsRows(file);
    header = existing.header;
    for (const ResultRow& row : existing.rows) ids.insert(RowId(row));
  } else {
    header = ResultsHeaderOf(file.readLine(64 * 1024).toStdString());
  }
  for (const ResultRow& row : rows) {
    const std::string id = RowId(row);
    if (id.empty() || ids.insert(id).second)
      text += QByteArray::fromStdString(ResultsLineIn(row, header));
  }
  if (!text.isEmpty()) {
    if (const QString reason = appendDurably(file, text); !reason.isEmpty()) return reason;
  }
  for (const auto& [waiting, waitingLock] : merged) QFile::remove(waiting);
  return {};
}

void ResultsFile::keepOnDevice() {
  const QByteArray text = waitingRowsText(pending_);
  mayBeWritten_ = true;
  const QString beside = waitingFileBeside(path_, context_.computer, context_.run);
  if (writeWaitingFile(beside, text).isEmpty()) {
    waitingIn_ = beside;
    for (const QString& kept : takenUp_ + QStringList{waitingFileKept(path_, context_.run)}) {
      QFile::remove(kept);
    }
    takenUp_.clear();
    return;
  }
  const QString kept = waitingFileKept(path_, context_.run);
  QDir().mkpath(QFileInfo(kept).absolutePath());
  if (!writeWaitingFile(kept, text).isEmpty()) {
    waitingIn_.clear();
    return;
  }
  waitingIn_ = kept;
  for (const QString& earlier : takenUp_) QFile::remove(earlier);
  takenUp_.clear();
}

void ResultsFile::removeOwnWaitingFiles() {
  QFile::remove(waitingFileBeside(path_, context_.computer, context_.run));
  QFile::remove(waitingFileKept(path_, context_.run));
  for (const QString& kept : takenUp_) QFile::remove(kept);
  takenUp_.clear();
  waitingIn_.clear();
}

}  // namespace restomer
