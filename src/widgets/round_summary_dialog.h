// The summary of a round, in view when it ends: the result and one row a
// task with the answer given and, where it was not right, the right one.
#ifndef RESTOMER_WINDOW_ROUND_SUMMARY_DIALOG_H_
#define RESTOMER_WINDOW_ROUND_SUMMARY_DIALOG_H_

#include <QDialog>
#include <vector>

#include "form/practice_wording.h"
#include "form/verdict.h"

class QTableWidget;

class RoundSummaryDialog : public QDialog {
  Q_OBJECT

 public:
  // Accepted by "Нов кръг", rejected by "Затвори".
  RoundSummaryDialog(const std::vector<restomer::TaskRecord>& round, const restomer::Score& score,
                     const restomer::PracticeWording& wording, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }

 protected:
  // The rows' heights once the columns have their widths on screen.
  void showEvent(QShowEvent* event) override;

 private:
  void fitRows();

  QTableWidget* table_ = nullptr;
};

#endif  // RESTOMER_WINDOW_ROUND_SUMMARY_DIALOG_H_
