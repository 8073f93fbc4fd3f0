#include "widgets/practice_controller.h"

#include <QDir>
#include <optional>

#include "io/results_file.h"
#include "widgets/round_summary_dialog.h"

namespace restomer {
namespace {

QString tasksInWords(int tasks) {
  return tasks == 1 ? QStringLiteral("1 задача") : QStringLiteral("%1 задачи").arg(tasks);
}

}  // namespace

bool PracticeController::click(FormContent& content, std::int16_t index) {
  const std::optional<TaskRecord> record = practice_.Click(content, index);
  if (!record) return false;
  if (results_ != nullptr) results_->append(*record);
  return !practice_.EndedRound().empty();
}

QString PracticeController::resultsNotice() const {
  if (results_ == nullptr || results_->waiting() == 0) return {};
  return QStringLiteral(
             "Резултатите от %1 чакат: файлът „%2“ не може да бъде записан сега (%3). "
             "Записват се, щом стане възможно.")
      .arg(tasksInWords(results_->waiting()))
      .arg(QDir::toNativeSeparators(results_->path()), results_->reason());
}

QString PracticeController::finish(const FormContent& content) {
  if (results_ == nullptr) return {};
  if (const std::optional<TaskRecord> record = practice_.Abandon(content)) {
    results_->append(*record);
  }
  results_->flush();
  const QString kept = results_->keepWaiting();
  if (kept.isEmpty()) return {};
  return QStringLiteral(
             "Резултатите от %1 не можаха да бъдат записани (%2). Пазят се в „%3“ и ще "
             "бъдат добавени към файла с резултатите, щом Restomer се пусне отново с него.")
      .arg(tasksInWords(results_->waiting()))
      .arg(results_->reason(), QDir::toNativeSeparators(kept));
}

RoundSummaryDialog* PracticeController::roundSummary(QWidget* parent) const {
  return new RoundSummaryDialog(practice_.EndedRound(), practice_.LastScore(), practice_.wording(),
                                parent);
}

}  // namespace restomer
