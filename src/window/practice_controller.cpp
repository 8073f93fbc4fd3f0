#include "window/practice_controller.h"

#include <optional>

#include "window/results_file.h"

void PracticeController::click(restomer::FormContent& content, std::int16_t index) {
  const std::optional<restomer::TaskRecord> record = practice_.Click(content, index);
  if (!record || results_ == nullptr) return;
  const QString error = results_->append(*record);
  if (!error.isEmpty()) content.Text1[0].Text.insert(0, error.toStdString() + "\r\n");
}
