#include "window/practice_controller.h"

#include <optional>

#include "window/results_file.h"
#include "window/round_summary_dialog.h"

bool PracticeController::click(restomer::FormContent& content, std::int16_t index) {
  const std::optional<restomer::TaskRecord> record = practice_.Click(content, index);
  if (!record) return false;
  if (results_ != nullptr) {
    const QString error = results_->append(*record);
    if (!error.isEmpty()) content.Text1[0].Text.insert(0, error.toStdString() + "\r\n");
  }
  return !practice_.EndedRound().empty();
}

RoundSummaryDialog* PracticeController::roundSummary(QWidget* parent) const {
  return new RoundSummaryDialog(practice_.EndedRound(), practice_.LastScore(), practice_.wording(),
                                parent);
}
