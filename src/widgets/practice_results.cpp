#include "widgets/practice_results.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "core/practice_wording.h"
#include "io/results_file.h"

namespace restomer {
namespace {

QString tasksInWords(int tasks) { return QString::fromStdString(TasksInWords(tasks)); }

// Where the rows that still wait are, as the pupil is told at the end.
QString whereRowsWait(const ResultsFile& results) {
  const QString where = results.waitingIn();
  if (where.isEmpty()) {
    return QStringLiteral(
        "Не можаха да бъдат запазени и другаде: не затваряйте Restomer, "
        "докато файлът не може да се записва.");
  }
  if (QFileInfo(where).absolutePath() == QFileInfo(results.path()).absolutePath()) {
    return QStringLiteral(
               "Чакат до него, в „%1“: прегледът на резултатите ги брои, а следващият "
               "Restomer, който пише във файла, ги добавя към него.")
        .arg(QFileInfo(where).fileName());
  }
  return QStringLiteral(
             "Пазят се на този компютър, в „%1“, и ще бъдат добавени към файла, щом "
             "Restomer се пусне отново с него.")
      .arg(QDir::toNativeSeparators(where));
}

}  // namespace

PracticeResults::PracticeResults(QObject* parent) : QObject(parent) {}

PracticeResults::~PracticeResults() = default;

void PracticeResults::keepIn(ResultsFile* results) {
  results_ = results;
  connect(results, &ResultsFile::waitingChanged, this, &PracticeResults::waitingChanged);
}

QString PracticeResults::open(const QString& path, ResultsContext context) {
  auto results = std::make_unique<ResultsFile>(path, std::move(context));
  if (QString error = results->open(); !error.isEmpty()) return error;
  own_ = std::move(results);
  keepIn(own_.get());
  return {};
}

void PracticeResults::append(const TaskRecord& record) {
  if (results_ != nullptr) results_->append(record);
}

QString PracticeResults::notice() const {
  if (results_ == nullptr || results_->waiting() == 0) return {};
  // Short: the score at the end of the task's lines stays in view. Where
  // the rows are kept is said at the end.
  return QStringLiteral("Резултатите от %1 чакат: %2.")
      .arg(tasksInWords(results_->waiting()), results_->reason());
}

// The program ends once the pupil has read where the rows wait.
void PracticeResults::finish(const std::optional<TaskRecord>& left) {
  if (results_ == nullptr) return;
  if (left) results_->append(*left);
  if (results_->flush().isEmpty()) return;
  const QString text =
      QStringLiteral("Резултатите от %1 не можаха да бъдат записани във файла „%2“ (%3). ")
          .arg(tasksInWords(results_->waiting()))
          .arg(QDir::toNativeSeparators(results_->path()), results_->reason()) +
      whereRowsWait(*results_);
  auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Restomer"), text);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

}  // namespace restomer
