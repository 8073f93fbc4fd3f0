#include "window/results_file.h"

#include <QDateTime>
#include <QFile>
#include <QLockFile>

namespace {

// How long to wait for another computer's row before giving up on this one.
constexpr int kLockTimeoutMs = 10'000;

}  // namespace

std::string loginName() {
  for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
    const QString name = qEnvironmentVariable(variable);
    if (!name.isEmpty()) return name.toStdString();
  }
  return "";
}

QString ResultsFile::open() {
  if (appendWhole(restomer::ResultsHeader(), true)) return {};
  return QStringLiteral("Файлът с резултатите „%1“ не може да се отвори за добавяне.").arg(path_);
}

QString ResultsFile::append(const restomer::TaskRecord& record) {
  const QDateTime now = QDateTime::currentDateTime();
  const std::string time =
      now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate).toStdString();
  if (appendWhole(restomer::ResultsRow(time, context_, record), false)) return {};
  return QStringLiteral("Задача %1 не е записана във файла с резултатите „%2“.")
      .arg(record.number)
      .arg(path_);
}

bool ResultsFile::appendWhole(const std::string& text, bool onlyWhenEmpty) {
  // Programs on other computers append to the same file: one at a time. A
  // folder where no lock can be made still gets each row in one write.
  QLockFile lock(path_ + QStringLiteral(".lock"));
  if (!lock.tryLock(kLockTimeoutMs) && lock.error() != QLockFile::PermissionError) return false;
  QFile file(path_);
  if (!file.open(QIODevice::Append | QIODevice::Unbuffered)) return false;
  const qint64 size = file.size();
  if (onlyWhenEmpty && size > 0) return true;
  const auto length = static_cast<qint64>(text.size());
  if (file.write(text.data(), length) == length && file.flush()) return true;
  file.resize(size);  // no half row stays behind
  return false;
}
