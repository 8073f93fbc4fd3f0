#include "widgets/informatics_practice_window.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/coin_wording.h"
#include "io/results_file.h"
#include "io/user_account.h"
#include "widgets/pupil_name.h"

namespace restomer {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

const InformaticsLevel& levelOf(const Lesson& lesson) {
  const InformaticsLevel* level = FindInformaticsLevel(lesson.level);
  return level != nullptr ? *level : *FindInformaticsLevel(1);
}

}  // namespace

InformaticsPractice::InformaticsPractice(const Lesson& lesson, std::uint64_t seed, QWidget* parent)
    : QWidget(parent),
      tasks_(seed, levelOf(lesson), lesson.coins),
      level_(levelOf(lesson)),
      roundSize_(lesson.tasks) {
  setWindowTitle(QStringLiteral("Restomer — информатика: упражнение"));
  createControls();
  nextTask();
  resize(640, 460);
}

InformaticsPractice::~InformaticsPractice() = default;

void InformaticsPractice::createControls() {
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
  connect(check_, &QPushButton::clicked, this, &InformaticsPractice::checkAnswer);
  connect(next_, &QPushButton::clicked, this, &InformaticsPractice::nextTask);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(check_);
  buttons->addWidget(next_);
  buttons->addStretch();
  explanation_ = new QPlainTextEdit;
  explanation_->setReadOnly(true);
  explanation_->setAccessibleName(QStringLiteral("Обяснение"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(progress_);
  layout->addWidget(question_);
  layout->addWidget(countsBox_);
  layout->addWidget(yesNoBox_);
  layout->addLayout(buttons);
  layout->addWidget(explanation_);
}

QString InformaticsPractice::writeResultsTo(const QString& path, ResultsContext context) {
  context.round_size = roundSize_;
  auto results = std::make_unique<ResultsFile>(path, std::move(context));
  if (QString error = results->open(); !error.isEmpty()) return error;
  results_ = std::move(results);
  return {};
}

void InformaticsPractice::nextTask() {
  task_ = tasks_.Next();
  ++number_;
  checked_ = false;
  showTask();
}

// The question, and a box for each coin's count or "да" and "не".
void InformaticsPractice::showTask() {
  const int inRound = roundSize_ > 0 ? (number_ - 1) % roundSize_ + 1 : number_;
  if (inRound == 1) right_ = 0;
  progress_->setText(QStringLiteral("Ниво %1: %2. ")
                         .arg(level_.number)
                         .arg(QString::fromUtf8(level_.description)) +
                     (roundSize_ > 0
                          ? QStringLiteral("Задача %1 от %2.").arg(inRound).arg(roundSize_)
                          : QStringLiteral("Задача %1.").arg(inRound)));
  question_->setText(text(InformaticsTaskText(inRound, task_)));
  qDeleteAll(countsBox_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
  counts_.clear();
  for (std::int64_t coin : task_.coins) {
    auto* count = new QSpinBox;
    count->setRange(0, static_cast<int>(std::min<std::int64_t>(task_.amount, 1'000'000)));
    count->setAccessibleName(QStringLiteral("Монети от %1").arg(coin));
    auto* label = new QLabel(QStringLiteral("%1:").arg(coin));
    label->setBuddy(count);
    countsLayout_->addWidget(label);
    countsLayout_->addWidget(count);
    counts_.push_back(count);
  }
  countsLayout_->addStretch();
  const bool fewest = task_.question == InformaticsTask::Question::kFewest;
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

bool InformaticsPractice::answerIsRight() const {
  if (task_.question == InformaticsTask::Question::kIsGreedyFewest) {
    return (yes_->isChecked() || no_->isChecked()) && yes_->isChecked() == GreedyIsFewest(task_);
  }
  std::vector<std::int64_t> counts;
  for (const QSpinBox* count : counts_) counts.push_back(count->value());
  return IsFewest(task_, counts);
}

void InformaticsPractice::checkAnswer() {
  if (checked_) return;  // one answer a task
  checked_ = true;
  const bool right = answerIsRight();
  right_ += right;
  QString shown = text(InformaticsExplanation(task_, right));
  const int inRound = roundSize_ > 0 ? (number_ - 1) % roundSize_ + 1 : 0;
  if (roundSize_ > 0 && inRound == roundSize_) {
    shown += QStringLiteral("Кръгът свърши: %1 от %2 верни.\n").arg(right_).arg(roundSize_);
  }
  explanation_->setPlainText(shown);
  writeRow(right);
  check_->setEnabled(false);
  next_->setDefault(true);
  next_->setFocus();
}

// The answer as a results row: the amount is paid and the change, the
// coins used are the ticks and the fewest way is the pieces, so that the
// overview counts the coins a pupil leaves out.
void InformaticsPractice::writeRow(bool right) {
  if (!results_) return;
  TaskRecord record;
  record.round = roundSize_ > 0 ? (number_ - 1) / roundSize_ + 1 : 1;
  record.number = roundSize_ > 0 ? (number_ - 1) % roundSize_ + 1 : number_;
  record.price = 0;
  record.paid = record.change = task_.amount;
  if (task_.question == InformaticsTask::Question::kIsGreedyFewest) {
    record.typed = yes_->isChecked() ? "да" : no_->isChecked() ? "не" : "";
  } else {
    std::vector<std::int64_t> counts;
    for (std::size_t k = 0; k < counts_.size(); ++k) {
      counts.push_back(counts_[k]->value());
      if (counts.back() > 0) record.ticked.push_back(std::to_string(task_.coins[k]));
    }
    record.typed = CountsText(task_.coins, counts);
    if (const std::optional<Payment> fewest =
            FewestUpTo(task_.coins, task_.amount).PaymentOf(task_.amount)) {
      for (const auto& [value, count] : fewest->counts) {
        record.pieces.push_back({std::to_string(value), static_cast<int>(count)});
      }
    }
  }
  record.outcome = right ? TaskRecord::Outcome::kRight : TaskRecord::Outcome::kWrong;
  results_->setTaskCoins(CoinsText(task_.coins));
  results_->append(record);
}

InformaticsPractice* openInformaticsPractice(const Lesson& lesson, QString& error) {
  std::string name = lesson.name;
  if (lesson.ask_name) {
    const std::optional<QString> asked = askPupilName();
    if (!asked) return nullptr;
    name = asked->toStdString();
  }
  const std::uint64_t seed = lesson.seed.value_or(NewSeed());
  auto window = std::make_unique<InformaticsPractice>(lesson, seed);
  if (!lesson.results.empty()) {
    ResultsContext context(loginName(), name, nullptr, lesson.level, seed);
    context.lesson = lesson.title;
    error = window->writeResultsTo(QString::fromStdString(lesson.results), std::move(context));
    if (!error.isEmpty()) return nullptr;
  }
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window.release();
}

}  // namespace restomer
