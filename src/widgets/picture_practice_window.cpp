#include "widgets/picture_practice_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/count_up.h"
#include "io/regional_settings.h"
#include "print/item_drawing.h"
#include "widgets/piece_button.h"
#include "widgets/piece_tray.h"

namespace restomer {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// The launcher has checked the lesson's level against the pictures' levels.
const Level& levelOf(const Lesson& lesson) {
  const Level* level = FindPictureLevel(lesson.level);
  return level != nullptr ? *level : PictureLevels().front();
}

// Banknotes in the till, on the counter and in the count-up are shown
// smaller than their drawing size, so that the window fits a school
// computer's screen at 200 %; they are still taller than the largest coin.
constexpr double kBanknoteScale = 0.8;

// A step shows each piece it adds, up to this many; more as one and "× N".
constexpr std::int64_t kPiecesShownInAStep = 5;

QLabel* largeLabel(double factor) {
  auto* label = new QLabel;
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * factor);
  label->setFont(font);
  label->setWordWrap(true);
  return label;
}

}  // namespace

PicturePracticeWindow::PicturePracticeWindow(const Lesson& lesson, std::uint64_t seed,
                                             std::unique_ptr<Voice> voice, QWidget* parent)
    : QWidget(parent),
      practice_(seed, levelOf(lesson), *lesson.currency, lesson.fewest_pieces, lesson.tasks),
      wording_(*lesson.currency, regionalSettingsOf(QLocale::system())),
      voice_(std::move(voice)),
      readEachTask_(lesson.read_aloud),
      showWords_(lesson.amounts_in_words) {
  setWindowTitle(QStringLiteral("Restomer — упражнение с картинки"));
  createControls();
  showTask();
  fitScreen();
  connect(&results_, &PracticeResults::waitingChanged, this, &PicturePracticeWindow::showNotice);
}

PicturePracticeWindow::~PicturePracticeWindow() = default;

// As large as the content asks, within the screen's room.
void PicturePracticeWindow::fitScreen() {
  QSize size = task_->widget()->sizeHint() + QSize(24, done_->sizeHint().height() + 16);
  if (const QScreen* shown = screen()) size = size.boundedTo(shown->availableSize() * 0.95);
  resize(size);
}

void PicturePracticeWindow::createControls() {
  progress_ = new QLabel;
  counter_ = new PieceTray(QStringLiteral("Сложи рестото тук."), 8);
  counter_->setAccessibleName(QStringLiteral("Тезгях"));
  counter_->setMinimumHeight(PieceButton(practice_.currency(), 1, {}).sizeHint().height() + 24);
  connect(counter_, &PieceTray::dropped, this, &PicturePracticeWindow::give);
  pages_ = new QStackedWidget;
  pages_->addWidget(createTill());
  pages_->addWidget(createExplanation());
  done_ = new QPushButton(QStringLiteral("&Готово"));
  step_ = new QPushButton(QStringLiteral("Следваща &стъпка"));
  next_ = new QPushButton(QStringLiteral("Следваща &задача"));
  connect(done_, &QPushButton::clicked, this, &PicturePracticeWindow::checkAnswer);
  connect(step_, &QPushButton::clicked, this, &PicturePracticeWindow::showNextStep);
  connect(next_, &QPushButton::clicked, this, &PicturePracticeWindow::nextTask);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {done_, step_, next_}) buttons->addWidget(button);
  buttons->addStretch();
  notice_ = new QLabel;
  notice_->setWordWrap(true);
  notice_->hide();
  auto* counterLabel = new QLabel(QStringLiteral("Тезгях: рестото, което връщаш"));
  counterLabel->setBuddy(counter_);
  // On a small screen the task scrolls rather than squeezing the pieces
  // below their size; the buttons below it stay in view.
  auto* content = new QWidget;
  task_ = new QScrollArea;
  task_->setWidget(content);
  task_->setWidgetResizable(true);
  task_->setFrameShape(QFrame::NoFrame);
  auto* layout = new QVBoxLayout(content);
  layout->addWidget(progress_);
  layout->addWidget(createStory());
  layout->addWidget(counterLabel);
  layout->addWidget(counter_);
  layout->addWidget(pages_, 1);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(task_, 1);
  buttons->setContentsMargins(9, 0, 9, 0);
  outer->addLayout(buttons);
  outer->addWidget(notice_);
  outer->addSpacing(6);
}

// The thing bought, the story with its amounts, the customer's pieces and
// "Прочети".
QWidget* PicturePracticeWindow::createStory() {
  item_ = new QLabel;
  story_ = largeLabel(1.5);
  words_ = new QLabel;
  words_->setWordWrap(true);
  words_->setVisible(showWords_);
  handed_ = new PieceTray(QString(), 8);
  handed_->setFrameShape(QFrame::NoFrame);
  handed_->setAutoFillBackground(false);
  handed_->setAccessibleName(QStringLiteral("Клиентът дава"));
  handed_->setAcceptDrops(false);
  read_ = new QPushButton(QStringLiteral("&Прочети"));
  const auto sayWhetherItReads = [this] {
    const QString missing = voice_->missing();
    read_->setToolTip(missing.isEmpty() ? QStringLiteral("Прочита задачата на глас.") : missing);
  };
  sayWhetherItReads();
  connect(voice_.get(), &Voice::ready, this, sayWhetherItReads);
  // The voice starts as the pupil reaches for the button, not before.
  read_->installEventFilter(this);
  connect(read_, &QPushButton::clicked, this, &PicturePracticeWindow::readAloud);
  auto* handedRow = new QHBoxLayout;
  handedRow->addWidget(new QLabel(QStringLiteral("Клиентът дава:")));
  handedRow->addWidget(handed_);
  handedRow->addStretch();
  auto* texts = new QVBoxLayout;
  texts->addWidget(story_);
  texts->addWidget(words_);
  texts->addLayout(handedRow);
  auto* box = new QWidget;
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(item_, 0, Qt::AlignTop);
  row->addLayout(texts, 1);
  row->addWidget(read_, 0, Qt::AlignTop);
  return box;
}

// Every coin in a row, smallest first as a seller lays them out, and the
// banknotes below.
QWidget* PicturePracticeWindow::createTill() {
  auto* till = new QWidget;
  till->setAccessibleName(QStringLiteral("Каса"));
  // Rows of at most four banknotes, so that the till fits a small screen.
  std::vector<QHBoxLayout*> rows = {new QHBoxLayout};
  int notes = 0;
  const std::span<const std::int64_t> values = practice_.currency().hundredths;
  for (auto value = values.rbegin(); value != values.rend(); ++value) {
    PieceButton* piece = newPiece(*value);
    connect(piece, &PieceButton::clicked, this, [this, value = *value] { give(value); });
    if (IsBanknote(*value) && notes++ % 4 == 0) rows.push_back(new QHBoxLayout);
    rows.back()->addWidget(piece);
    till_.push_back(piece);
  }
  auto* layout = new QVBoxLayout(till);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("Каса: натисни или довлечи монета или банкнота")));
  for (QHBoxLayout* row : rows) {
    row->addStretch();
    layout->addLayout(row);
  }
  layout->addStretch();
  return till;
}

QWidget* PicturePracticeWindow::createExplanation() {
  verdict_ = largeLabel(1.2);
  verdict_->setTextFormat(Qt::PlainText);
  auto* steps = new QWidget;
  steps_ = new QVBoxLayout(steps);
  steps_->setAlignment(Qt::AlignTop);
  auto* scroll = new QScrollArea;
  scroll->setWidget(steps);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(verdict_);
  layout->addWidget(scroll, 1);
  return page;
}

PieceButton* PicturePracticeWindow::newPiece(std::int64_t value) const {
  return new PieceButton(practice_.currency(), value, text(wording_.PieceName(value)),
                         IsBanknote(value) ? kBanknoteScale : 1.0);
}

PieceButton* PicturePracticeWindow::tillPiece(std::int64_t value) const {
  for (PieceButton* piece : till_) {
    if (piece->value() == value) return piece;
  }
  return nullptr;
}

QString PicturePracticeWindow::writeResultsTo(const QString& path, ResultsContext context) {
  context.round_size = practice_.round().round_size();
  return results_.open(path, std::move(context));
}

void PicturePracticeWindow::showTask() {
  const PictureTask& task = practice_.task();
  const Score score = practice_.round().ScoreAt(practice_.task_number());
  QString scoreLine = text(wording_.numbers().ScoreLine(score)).trimmed();
  if (scoreLine.isEmpty()) scoreLine = QStringLiteral("Задача %1.").arg(practice_.task_number());
  progress_->setText(text(LevelText(practice_.level(), practice_.currency().unit)) +
                     QLatin1Char(' ') + scoreLine);
  const int side = story_->fontMetrics().height() * 4;
  QPixmap picture(QSize(side, side) * devicePixelRatioF());
  picture.setDevicePixelRatio(devicePixelRatioF());
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  paintItem(painter, QRectF(0, 0, side, side), task.item->key);
  painter.end();
  item_->setPixmap(picture);
  item_->setAccessibleName(text(std::string(task.item->name)));
  story_->setText(text(wording_.Story(task)) + QLatin1Char('\n') +
                  text(PictureWording::Instruction(practice_.fewest())));
  words_->setText(text(wording_.StoryInWords(task)));
  std::vector<PieceButton*> handed;
  for (const auto& [value, count] : task.handed.counts) {
    for (std::int64_t k = 0; k < count; ++k) handed.push_back(newPiece(value));
  }
  for (PieceButton* piece : handed) piece->setFocusPolicy(Qt::NoFocus);
  handed_->show(std::move(handed));
  given_.clear();
  showCounter();
  pages_->setCurrentIndex(0);
  done_->setEnabled(true);
  done_->setDefault(true);
  step_->setEnabled(false);
  if (readEachTask_) readAloud();
}

void PicturePracticeWindow::give(std::int64_t value) {
  if (pages_->currentIndex() != 0) return;  // answered: the counter stands
  if (tillPiece(value) == nullptr) return;  // dropped from elsewhere: no piece of the till
  ++given_[value];
  showCounter();
}

void PicturePracticeWindow::takeBack(std::int64_t value) {
  if (pages_->currentIndex() != 0) return;
  if (--given_[value] <= 0) given_.erase(value);
  showCounter();
}

void PicturePracticeWindow::showCounter() {
  std::vector<PieceButton*> pieces;
  for (const auto& [value, count] : given_) {
    for (std::int64_t k = 0; k < count; ++k) {
      PieceButton* piece = newPiece(value);
      piece->setAccessibleDescription(QStringLiteral("Натисни, за да я върнеш в касата."));
      connect(piece, &PieceButton::clicked, this, [this, value = value] { takeBack(value); });
      pieces.push_back(piece);
    }
  }
  counter_->show(std::move(pieces));
}

Payment PicturePracticeWindow::given() const {
  Payment payment;
  for (const auto& [value, count] : given_) payment.counts.emplace_back(value, count);
  return payment;
}

void PicturePracticeWindow::checkAnswer() {
  const std::optional<PictureCheck> check = practice_.Check(given());
  if (!check) return;  // one answer a task
  results_.append(check->record);
  showAnswered(check);
  showNotice();
}

void PicturePracticeWindow::nextTask() {
  const std::optional<TaskRecord> skipped = practice_.NextTask();
  if (skipped) results_.append(*skipped);
  if (skipped && practice_.round().IsOver()) {
    showAnswered(std::nullopt);
  } else {
    showTask();
  }
  showNotice();
}

// The verdict and, for a wrong answer, the count-up a step at a time; the
// round's result when it has ended.
void PicturePracticeWindow::showAnswered(const std::optional<PictureCheck>& check) {
  QStringList lines;
  if (check) {
    for (const std::string& line : wording_.VerdictLines(*check)) lines << text(line);
    if (showWords_) lines << text(wording_.VerdictInWords(*check));
  } else {
    lines << QStringLiteral("Задачата е пропусната.");
  }
  if (practice_.round().IsOver()) {
    lines << text(wording_.numbers().RoundResult(practice_.round().LastScore()));
  }
  verdict_->setText(lines.join(QLatin1Char('\n')));
  for (QWidget* row : stepRows_) delete row;
  stepRows_.clear();
  if (check && !check->IsRight()) {
    for (const CountUpStep& step : practice_.CountUp()) {
      auto* row = new QWidget;
      auto* pieces = new QHBoxLayout(row);
      pieces->setContentsMargins(0, 0, 0, 0);
      pieces->addWidget(new QLabel(text(wording_.Amount(step.sum)) + QStringLiteral(" +")));
      const std::int64_t shown = step.count <= kPiecesShownInAStep ? step.count : 1;
      for (std::int64_t k = 0; k < shown; ++k) {
        PieceButton* piece = newPiece(step.value);
        piece->setFocusPolicy(Qt::NoFocus);
        pieces->addWidget(piece);
      }
      if (shown < step.count) pieces->addWidget(new QLabel(QStringLiteral("× %1").arg(step.count)));
      pieces->addWidget(new QLabel(QStringLiteral("= ") +
                                   text(wording_.Amount(step.sum + step.count * step.value))));
      pieces->addStretch();
      row->setAccessibleName(text(wording_.StepLine(step)));
      stepRows_.push_back(row);
    }
    stepRows_.push_back(
        new QLabel(text(ClosingLine(wording_.Amount(practice_.task().purchase.paid)))));
    for (QWidget* row : stepRows_) {
      row->hide();
      steps_->addWidget(row);
    }
  }
  pages_->setCurrentIndex(1);
  done_->setEnabled(false);
  step_->setEnabled(!stepRows_.empty());
  if (check && readEachTask_) voice_->say(text(wording_.VerdictInWords(*check)));
  QPushButton* focus = step_->isEnabled() ? step_ : next_;
  focus->setDefault(true);
  focus->setFocus();
}

int PicturePracticeWindow::stepsShown() const {
  return static_cast<int>(std::count_if(stepRows_.begin(), stepRows_.end(),
                                        [](const QWidget* row) { return !row->isHidden(); }));
}

void PicturePracticeWindow::showNextStep() {
  const int shown = stepsShown();
  if (shown < static_cast<int>(stepRows_.size())) stepRows_[shown]->show();
  if (stepsShown() == static_cast<int>(stepRows_.size())) {
    step_->setEnabled(false);
    next_->setDefault(true);
    next_->setFocus();
  }
}

void PicturePracticeWindow::readAloud() {
  voice_->say(text(wording_.StoryInWords(practice_.task())));
}

void PicturePracticeWindow::showNotice() {
  notice_->setText(results_.notice());
  notice_->setVisible(!notice_->text().isEmpty());
}

bool PicturePracticeWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == read_ && (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn)) {
    voice_->prepare();
  }
  return QWidget::eventFilter(watched, event);
}

void PicturePracticeWindow::closeEvent(QCloseEvent* event) {
  results_.finish(practice_.Abandon());
  QWidget::closeEvent(event);
}

}  // namespace restomer
