#include "widgets/informatics_practice_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/coin_wording.h"

namespace restomer {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// The launcher has checked the lesson's level against the informatics levels.
const InformaticsLevel& levelOf(const Lesson& lesson) {
  const InformaticsLevel* level = FindInformaticsLevel(lesson.level);
  return level != nullptr ? *level : InformaticsLevels().front();
}

}  // namespace

InformaticsPracticeWindow::InformaticsPracticeWindow(const Lesson& lesson, std::uint64_t seed,
                                                     QWidget* parent)
    : QWidget(parent), practice_(seed, levelOf(lesson), lesson.coins, lesson.tasks) {
  setWindowTitle(QStringLiteral("Restomer — информатика: упражнение"));
  createControls();
  showTask();
  resize(640, 460);
  connect(&results_, &PracticeResults::waitingChanged, this,
          &InformaticsPracticeWindow::showNotice);
}

InformaticsPracticeWindow::~InformaticsPracticeWindow() = default;
void InformaticsPracticeWindow::createControls() {
  progress_ = new QLabel;
  question_ = new QLabel;
  question_->setWordWrap(true);
  countsBox_ = new QWidget;
  countsLayout_ = new QHBoxLayout(countsBox_);
  countsLayout_->setContentsMargins(0, 0, 0, 0);
  yesNoBox_ = new QWidget;
  auto* yesNo = new QHBoxLayout(yesNoBox_);
  yesNo->setContentsMargins(0, 0, 0, 0);
  yes_ = new QRadioButton(QStringLiteral("&да"));
  no_ = new QRadioButton(QStringLiteral("&не"));
  auto* group = new QButtonGroup(this);
  for (QRadioButton* button : {yes_, no_}) {
    group->addButton(button);
    yesNo->addWidget(button);
  }
  yesNo->addStretch();
  check_ = new QPushButton(QStringLiteral("&Провери"));
  next_ = new QPushButton(QStringLiteral("&Следваща"));
  connect(check_, &QPushButton::clicked, this, &InformaticsPracticeWindow::checkAnswer);
  connect(next_, &QPushButton::clicked, this, &InformaticsPracticeWindow::nextTask);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(check_);
  buttons->addWidget(next_);
  buttons->addStretch();
  notice_ = new QLabel;
  notice_->setWordWrap(true);
  notice_->hide();
  explanation_ = new QPlainTextEdit;
  explanation_->setReadOnly(true);
  explanation_->setAccessibleName(QStringLiteral("Обяснение"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(progress_);
  layout->addWidget(question_);
  layout->addWidget(countsBox_);
  layout->addWidget(yesNoBox_);
  layout->addLayout(buttons);
  layout->addWidget(notice_);
  layout->addWidget(explanation_);
}

QString InformaticsPracticeWindow::writeResultsTo(const QString& path, ResultsContext context) {
  context.round_size = practice_.round().round_size();
  return results_.open(path, std::move(context));
}

void InformaticsPracticeWindow::nextTask() {
  const std::optional<TaskRecord> skipped = practice_.NextTask();
  if (skipped) results_.append(*skipped);
  if (skipped && practice_.round().IsOver()) {
    showAnswered(*skipped);
  } else {
    showTask();
  }
  showNotice();
}

// The question, and a box for each coin's count or "да" and "не".
void InformaticsPracticeWindow::showTask() {
  const InformaticsTask& task = practice_.task();
  const InformaticsLevel& level = practice_.level();
  const int number = practice_.task_number();
  const int roundSize = practice_.round().round_size();
  progress_->setText(
      QStringLiteral("Ниво %1: %2. ").arg(level.number).arg(QString::fromUtf8(level.description)) +
      (roundSize > 0 ? QStringLiteral("Задача %1 от %2.").arg(number).arg(roundSize)
                     : QStringLiteral("Задача %1.").arg(number)));
  question_->setText(text(InformaticsTaskText(number, task)));
  // The last task's boxes and the stretch after them, which would
  // otherwise pile up and push the boxes to the right.
  while (QLayoutItem* item = countsLayout_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  counts_.clear();
  for (std::int64_t coin : task.coins) {
    auto* count = new QSpinBox;
    count->setRange(0, static_cast<int>(std::min<std::int64_t>(task.amount, 1'000'000)));
    count->setAccessibleName(QStringLiteral("Монети от %1").arg(coin));
    auto* label = new QLabel(QStringLiteral("%1:").arg(coin));
    label->setBuddy(count);
    countsLayout_->addWidget(label);
    countsLayout_->addWidget(count);
    counts_.push_back(count);
  }
  countsLayout_->addStretch();
  const bool fewest = task.question == InformaticsTask::Question::kFewest;
  countsBox_->setVisible(fewest);
  yesNoBox_->setVisible(!fewest);
  yes_->setAutoExclusive(false);
  yes_->setChecked(false);
  no_->setChecked(false);
  yes_->setAutoExclusive(true);
  explanation_->clear();
  check_->setEnabled(true);
  check_->setDefault(true);
  if (fewest && !counts_.empty()) counts_.front()->setFocus();
}

InformaticsAnswer InformaticsPracticeWindow::answer() const {
  InformaticsAnswer answer;
  for (const QSpinBox* count : counts_) answer.counts.push_back(count->value());
  if (yes_->isChecked() || no_->isChecked()) answer.greedy_is_fewest = yes_->isChecked();
  return answer;
}

void InformaticsPracticeWindow::checkAnswer() {
  const std::optional<TaskRecord> record = practice_.Check(answer());
  if (!record) return;  // one answer a task
  results_.append(*record);
  showAnswered(*record);
  showNotice();
}

void InformaticsPracticeWindow::showAnswered(const TaskRecord& record) {
  explanation_->setPlainText(text(practice_.Explanation(record)));
  check_->setEnabled(false);
  next_->setDefault(true);
  next_->setFocus();
}

void InformaticsPracticeWindow::showNotice() {
  notice_->setText(results_.notice());
  notice_->setVisible(!notice_->text().isEmpty());
}

void InformaticsPracticeWindow::closeEvent(QCloseEvent* event) {
  results_.finish(practice_.Abandon());
  QWidget::closeEvent(event);
}

}  // namespace restomer
