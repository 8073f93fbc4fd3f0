#include "widgets/informatics_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/lesson.h"

namespace restomer {
namespace {

// Up to this amount the table shows every row; beyond, the rows of the
// path back, which are those that matter.
constexpr std::int64_t kMostRowsShown = 300;

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

QString waysText(const std::optional<Payment>& payment, const CoinUnit& unit,
                 const RegionalSettings& settings) {
  if (!payment) return QStringLiteral("Сумата не може да се плати по този начин.");
  QStringList lines;
  for (const std::string& line : CountUpFromZero(*payment, unit, settings)) lines << text(line);
  return lines.join(u'\n') + u'\n' + text(PiecesInWords(payment->Pieces())) + u'.';
}

QPlainTextEdit* traceBox(const QString& name) {
  auto* box = new QPlainTextEdit;
  box->setReadOnly(true);
  box->setAccessibleName(name);
  return box;
}

QGroupBox* groupOf(const QString& title, QWidget* content) {
  auto* group = new QGroupBox(title);
  (new QVBoxLayout(group))->addWidget(content);
  return group;
}

}  // namespace

InformaticsWindow::InformaticsWindow(const RegionalSettings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
  setWindowTitle(QStringLiteral("Restomer — информатика"));
  createControls();
  chooseSystem(0);
  resize(760, 620);
}

QFormLayout* InformaticsWindow::createForm() {
  systems_ = new QComboBox;
  for (const NamedCoins& system : NamedCoinSystems()) {
    systems_->addItem(text(std::string(system.name)));
  }
  systems_->addItem(QStringLiteral("свои монети"));
  coins_ = new QLineEdit;
  coins_->setPlaceholderText(QStringLiteral("цели числа, например 4 3 1"));
  amount_ = new QLineEdit;
  amount_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,7}")), amount_));
  amountLabel_ = new QLabel;
  amountLabel_->setBuddy(amount_);
  auto* explainButton = new QPushButton(QStringLiteral("&Обясни"));
  explainButton->setDefault(true);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Монети:"), systems_);
  form->addRow(QStringLiteral("&Стойности:"), coins_);
  auto* amountRow = new QHBoxLayout;
  amountRow->addWidget(amount_);
  amountRow->addWidget(explainButton);
  form->addRow(amountLabel_, amountRow);

  connect(systems_, &QComboBox::currentIndexChanged, this, &InformaticsWindow::chooseSystem);
  connect(coins_, &QLineEdit::textEdited, this, &InformaticsWindow::chooseOwnCoins);
  connect(coins_, &QLineEdit::returnPressed, this, &InformaticsWindow::explain);
  connect(amount_, &QLineEdit::returnPressed, this, &InformaticsWindow::explain);
  connect(explainButton, &QPushButton::clicked, this, &InformaticsWindow::explain);
  return form;
}

QGroupBox* InformaticsWindow::createTable() {
  table_ = new QTableWidget(0, 3);
  table_->setHorizontalHeaderLabels({QStringLiteral("Сума"), QStringLiteral("Най-малко бройки"),
                                     QStringLiteral("Последна монета")});
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->verticalHeader()->hide();
  table_->setAccessibleName(QStringLiteral("Таблицата на най-малкото бройки"));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  step_ = new QPushButton(QStringLiteral("С&тъпка"));
  auto* whole = new QPushButton(QStringLiteral("&Цялата таблица"));
  auto* tableButtons = new QVBoxLayout;
  tableButtons->addWidget(step_);
  tableButtons->addWidget(whole);
  tableButtons->addStretch();
  auto* tableRow = new QHBoxLayout;
  tableRow->addWidget(table_);
  tableRow->addLayout(tableButtons);
  auto* group = new QGroupBox(
      QStringLiteral("Таблицата, която намира най-малко бройки: за всяка сума от 0 нагоре"));
  group->setLayout(tableRow);

  connect(step_, &QPushButton::clicked, this, &InformaticsWindow::step);
  connect(whole, &QPushButton::clicked, this, [this] {
    while (filled_ < static_cast<int>(rows_.size())) step();
  });
  return group;
}

void InformaticsWindow::createControls() {
  QFormLayout* form = createForm();
  systemVerdict_ = new QLabel;
  amountVerdict_ = new QLabel;
  for (QLabel* label : {systemVerdict_, amountVerdict_}) {
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  greedy_ = traceBox(QStringLiteral("Алчният начин"));
  fewest_ = traceBox(QStringLiteral("Най-малко бройки"));
  auto* ways = new QHBoxLayout;
  ways->addWidget(groupOf(QStringLiteral("Алчният начин: първо най-голямата монета"), greedy_));
  ways->addWidget(groupOf(QStringLiteral("Най-малко бройки"), fewest_));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(systemVerdict_);
  layout->addLayout(ways, 2);
  layout->addWidget(amountVerdict_);
  layout->addWidget(createTable(), 2);
}

// The coins typed are the class's own, whatever system was chosen.
void InformaticsWindow::chooseOwnCoins() {
  const QSignalBlocker blocker(systems_);
  systems_->setCurrentIndex(systems_->count() - 1);
  chooseSystem(systems_->count() - 1);
}

void InformaticsWindow::setCoins(const Coins& coins) {
  const std::vector<NamedCoins>& named = NamedCoinSystems();
  const auto system = std::find_if(
      named.begin(), named.end(), [&coins](const NamedCoins& each) { return each.coins == coins; });
  if (system != named.end()) {
    systems_->setCurrentIndex(static_cast<int>(system - named.begin()));
    return;
  }
  coins_->setText(text(CoinsText(coins)));
  chooseOwnCoins();
}

CoinUnit InformaticsWindow::unit() const {
  const std::vector<NamedCoins>& named = NamedCoinSystems();
  const auto index = static_cast<std::size_t>(systems_->currentIndex());
  return index < named.size() ? named[index].unit : CoinUnit{};
}

void InformaticsWindow::chooseSystem(int index) {
  const std::vector<NamedCoins>& named = NamedCoinSystems();
  if (index >= 0 && static_cast<std::size_t>(index) < named.size()) {
    coins_->setText(text(CoinsText(named[index].coins)));
  }
  const std::string_view name = unit().name;
  amountLabel_->setText(name.empty()
                            ? QStringLiteral("С&ума:")
                            : QStringLiteral("С&ума (в %1):").arg(text(std::string(name))));
  explain();
}

void InformaticsWindow::explain() {
  const CoinsRead read = ReadCoins(coins_->text().toStdString());
  for (QPlainTextEdit* box : {greedy_, fewest_}) box->clear();
  amountVerdict_->clear();
  table_->setRowCount(0);
  rows_.clear();
  filled_ = 0;
  step_->setEnabled(false);
  if (!read.error.empty()) {
    systemVerdict_->setText(text(read.error));
    return;
  }
  shown_ = read.coins;
  const std::string unpayable = UnpayableAmounts(shown_);
  systemVerdict_->setText(text(SystemVerdict(JudgeGreedy(shown_), shown_.size()) +
                               (unpayable.empty() ? "" : " " + unpayable)));
  const auto amount = WholeNumberIn(amount_->text().toStdString(), 0, kLargestAmount);
  if (!amount) {
    amountVerdict_->setText(
        QStringLiteral("Напишете сума от 0 до %1, за да видите двата начина.").arg(kLargestAmount));
    return;
  }
  showPayments(static_cast<std::int64_t>(*amount));
}

void InformaticsWindow::showPayments(std::int64_t amount) {
  amountShown_ = amount;
  fewestTable_ = FewestUpTo(shown_, amount);
  const std::optional<Payment> greedy = Greedy(shown_, amount);
  const std::optional<Payment> fewest = fewestTable_->PaymentOf(amount);
  greedy_->setPlainText(waysText(greedy, unit(), settings_));
  fewest_->setPlainText(waysText(fewest, unit(), settings_));
  amountVerdict_->setText(text(AmountVerdict(greedy, fewest)));
  if (amount <= kMostRowsShown) {
    for (std::int64_t x = 0; x <= amount; ++x) rows_.push_back(x);
  } else if (fewest) {
    for (std::int64_t x = amount; x > 0; x -= fewestTable_->last[x]) rows_.push_back(x);
    rows_.push_back(0);
    std::reverse(rows_.begin(), rows_.end());
  }
  step_->setEnabled(!rows_.empty());
}

void InformaticsWindow::step() {
  if (!fewestTable_ || filled_ >= static_cast<int>(rows_.size())) return;
  const std::int64_t x = rows_[filled_];
  const std::int32_t pieces = fewestTable_->fewest[x];
  const QString none = QStringLiteral("—");
  table_->insertRow(filled_);
  const QString cells[] = {QString::number(x), pieces < 0 ? none : QString::number(pieces),
                           pieces <= 0 ? none : QString::number(fewestTable_->last[x])};
  for (int column = 0; column < 3; ++column) {
    auto* item = new QTableWidgetItem(cells[column]);
    item->setTextAlignment(Qt::AlignCenter);
    table_->setItem(filled_, column, item);
  }
  table_->scrollToItem(table_->item(filled_, 0));
  if (++filled_ == static_cast<int>(rows_.size())) {
    step_->setEnabled(false);
    markPathBack();
  }
}

// The rows the fewest way is read back along: from the amount, each time
// less its last coin, down to 0.
void InformaticsWindow::markPathBack() {
  const std::vector<std::int32_t>& fewest = fewestTable_->fewest;
  if (fewest[amountShown_] < 0) return;
  QStringList path;
  for (std::int64_t x = amountShown_;; x -= fewestTable_->last[x]) {
    path << QString::number(x);
    const auto row = static_cast<int>(std::find(rows_.begin(), rows_.end(), x) - rows_.begin());
    for (int column = 0; column < 3; ++column) {
      QTableWidgetItem* item = table_->item(row, column);
      QFont font = item->font();
      font.setBold(true);
      item->setFont(font);
      item->setBackground(QColor(0xFF, 0xF2, 0xB3));
    }
    if (x == 0) break;
  }
  amountVerdict_->setText(
      amountVerdict_->text() +
      QStringLiteral(" Пътят назад в таблицата: %1.").arg(path.join(QStringLiteral(" → "))));
}

}  // namespace restomer
