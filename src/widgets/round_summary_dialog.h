// The summary of a round, in view when it ends: the result and one row a
// task with the answer given and, where it was not right, the right one.
#ifndef RESTOMER_WIDGETS_ROUND_SUMMARY_DIALOG_H_
#define RESTOMER_WIDGETS_ROUND_SUMMARY_DIALOG_H_

#include <QDialog>
#include <vector>

#include "core/practice_wording.h"
#include "core/verdict.h"

class QTableWidget;

namespace restomer {

class RoundSummaryDialog : public QDialog {
  Q_OBJECT

 public:
  // Accepted by "Нов кръг", rejected by "Затвори".
  RoundSummaryDialog(const std::vector<TaskRecord>& round, const Score& score,
                     const PracticeWording& wording, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }

 protected:
  // The rows' heights once the columns have their widths on screen.
  void showEvent(QShowEvent* event) override;

 private:
  void fitRows();

  QTableWidget* table_ = nullptr;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_ROUND_SUMMARY_DIALOG_H_
