#include "widgets/round_summary_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace restomer {

RoundSummaryDialog::RoundSummaryDialog(const std::vector<TaskRecord>& round, const Score& score,
                                       const PracticeWording& wording, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Край на кръга"));
  auto* result = new QLabel(QString::fromStdString(wording.RoundResult(score)));
  QFont bigger = result->font();
  bigger.setPointSize(bigger.pointSize() + 2);
  result->setFont(bigger);

  const QStringList headers = {QStringLiteral("Покупка"), QStringLiteral("Отговор"),
                               QStringLiteral("Рестото"), QStringLiteral("С най-малко бройки")};
  table_ = new QTableWidget(static_cast<int>(round.size()), static_cast<int>(headers.size()));
  table_->setHorizontalHeaderLabels(headers);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setWordWrap(true);
  table_->setAccessibleName(QStringLiteral("Задачите от кръга"));
  for (int row = 0; row < static_cast<int>(round.size()); ++row) {
    const TaskRecord& task = round[row];
    const std::string cells[] = {wording.Purchase(task), wording.Answer(task),
                                 wording.Amount(task.change), wording.Pieces(task.pieces)};
    for (int column = 0; column < static_cast<int>(headers.size()); ++column) {
      table_->setItem(row, column, new QTableWidgetItem(QString::fromStdString(cells[column])));
    }
    table_->setVerticalHeaderItem(row, new QTableWidgetItem(QString::number(task.number)));
  }
  QHeaderView* header = table_->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::ResizeToContents);
  header->setStretchLastSection(true);
  // A long list of pieces wraps in its cell once the columns have their widths.
  connect(header, &QHeaderView::sectionResized, table_, &QTableWidget::resizeRowsToContents);
  table_->resizeRowsToContents();

  auto* buttons = new QDialogButtonBox;
  QPushButton* next = buttons->addButton(QStringLiteral("&Нов кръг"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("&Затвори"), QDialogButtonBox::RejectRole);
  next->setDefault(true);
  next->setFocus();
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(result);
  layout->addWidget(table_);
  layout->addWidget(buttons);
  table_->setMinimumWidth(860);
  fitRows();
}

// Room for a round of twelve without scrolling; a longer one scrolls from
// its first task.
void RoundSummaryDialog::fitRows() {
  table_->resizeRowsToContents();
  int height = table_->horizontalHeader()->sizeHint().height() + 2 * table_->frameWidth();
  for (int row = 0; row < table_->rowCount() && row < 12; ++row) height += table_->rowHeight(row);
  table_->setMinimumHeight(height);
  table_->scrollToTop();
}

void RoundSummaryDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fitRows();
  adjustSize();
}

}  // namespace restomer
