#include "widgets/demonstration_window.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <algorithm>

#include "core/button_actions.h"
#include "print/fonts.h"
#include "widgets/light_palette.h"
#include "widgets/result_check_box.h"

namespace restomer {

namespace {

// The layout is given in twips; at 96 dots per inch a pixel is 15 twips, and
// Qt scales these logical pixels on denser screens.
QRect fromTwips(int left, int top, int width, int height) {
  constexpr int kTwipsPerPixel = 15;
  return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
               height / kTwipsPerPixel);
}

// The lev window in twips. The frame has room for seven rows of
// denomination boxes; each row more moves what lies below the frame down.
constexpr int kClientWidthTwips = 7785;
constexpr int kClientHeightTwips = 5850;
constexpr int kFrameHeightTwips = 3015;
constexpr int kTraceTopTwips = 3240;
constexpr int kFrameRows = 7;
constexpr int kRowPitchTwips = 360;

// How far a currency whose columns are longer than seven rows pushes the
// frame's bottom, the trace box and the window's bottom down.
int extraHeightTwips(const Currency& currency) {
  const int size = static_cast<int>(currency.captions.size());
  const int rows = std::max(currency.first_column_size, size - currency.first_column_size);
  return kRowPitchTwips * std::max(0, rows - kFrameRows);
}

// Positions of the denomination boxes inside the frame, by index: the
// largest in the first column, the rest in the second, one row apart.
QRect check1Geometry(const Currency& currency, int index) {
  const int column = currency.first_column_size;
  if (index < column) return fromTwips(120, 360 + kRowPitchTwips * index, 735, 375);
  return fromTwips(960, 360 + kRowPitchTwips * (index - column), 855, 375);
}

// Style sheets, because palettes are not honoured by every style and some
// draw button colours as gradients. A button's colour needs its border set.
// The style sheet sets the font as well: a font set with setFont() does not
// reach the check boxes inside the styled frame.
QString windowStyleSheet() {
  const QFont font = windowFont();
  return QStringLiteral(
             R"(* { font-family: "%1"; font-size: %2pt; font-weight: normal; font-style: normal; }
restomer--DemonstrationWindow { background-color: rgb(192, 192, 255); }
QLabel { background-color: rgb(255, 192, 128); }
QGroupBox {
  background-color: rgb(192, 192, 255);
  border: 1px solid rgb(128, 128, 160);
  margin-top: 9px;
}
QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }
QCheckBox { background-color: rgb(128, 128, 255); }
QPushButton { border-width: 2px; border-style: outset; }
QPushButton:pressed { border-style: inset; }
QPushButton#Command1_0 { background-color: rgb(255, 0, 0); border-color: rgb(255, 0, 0); }
QPushButton#Command1_1 { background-color: rgb(0, 255, 0); border-color: rgb(0, 255, 0); }
QPushButton#Command1_0:focus, QPushButton#Command1_1:focus { border-color: rgb(0, 0, 0); }
)")
      .arg(font.family())
      .arg(font.pointSize());
}

// The trace box keeps CR LF line ends; the text widget wants "\n".
QString toScreenText(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string fromScreenText(const QString& text) {
  return QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
}

// Leaves the cursor and undo history of a box alone when its text stays.
void setTextIfChanged(QLineEdit* box, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (box->text() != shown) box->setText(shown);
}

// Return and the keypad's Enter click a focused button, as Space does and as
// in every dialog; a button in a plain window does not take them itself.
class EnterClicksButton : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    static_cast<QPushButton*>(watched)->click();
    return true;
  }
};

}  // namespace

DemonstrationWindow::DemonstrationWindow(const RegionalSettings& settings, const Currency& currency,
                                         QWidget* parent)
    : QWidget(parent), settings_(settings), currency_(currency) {
  setObjectName(QStringLiteral("Restomer"));
  setWindowTitle(
      QStringLiteral("www.restomer.example Математика - минимален брой монети/банкноти"));
  setFixedSize(
      fromTwips(0, 0, kClientWidthTwips, kClientHeightTwips + extraHeightTwips(currency)).size());
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet(windowStyleSheet());

  createControls();
  pinLightPalette();
  chainTabOrder();
  text3_[kPriceBox]->setFocus();
  showContent(StartUpContent(currency));
}

void DemonstrationWindow::closeEvent(QCloseEvent* event) {
  emit closing();
  QWidget::closeEvent(event);
}

void DemonstrationWindow::showPupilName(const QString& name) {
  if (!name.isEmpty()) setWindowTitle(name + QStringLiteral(" — ") + windowTitle());
}

void DemonstrationWindow::letThePupilAnswer() {
  pupilAnswers_ = true;
  QLineEdit* change = text3_[kChangeBox];
  change->setReadOnly(false);
  connect(change, &QLineEdit::returnPressed, this, [this] { command1Click(kEnterButton); });
  for (ResultCheckBox* box : check1_) box->setTickable(true);
  for (int k : {kPriceBox, kPaidBox}) {
    connect(text3_[k], &QLineEdit::textEdited, this, &DemonstrationWindow::amountsEdited);
  }
  focusAnswer();
}

void DemonstrationWindow::focusAnswer() { text3_[kChangeBox]->setFocus(); }

// The colours are backgrounds; the text and the boxes would otherwise take
// the desktop's palette, and a dark one puts white text on the orange labels
// and black boxes beside them. Each control gets the light palette itself: a
// control with a style sheet does not inherit its parent's palette.
void DemonstrationWindow::pinLightPalette() {
  const QPalette light = lightPalette();
  setPalette(light);
  for (QWidget* control : findChildren<QWidget*>()) control->setPalette(light);
}

void DemonstrationWindow::createControls() {
  const QString labelTexts[] = {QStringLiteral("Restomer"), QStringLiteral("Сума за плащане:"),
                                QStringLiteral("Дадена сума:"), QStringLiteral("Сума за ресто:")};
  const QRect labelGeometry[] = {fromTwips(2400, 0, 4335, 375), fromTwips(2760, 840, 1815, 405),
                                 fromTwips(2760, 1320, 1815, 405),
                                 fromTwips(2760, 1800, 1815, 405)};
  for (int k = 0; k < 4; ++k) {
    label1_[k] = new QLabel(labelTexts[k], this);
    label1_[k]->setGeometry(labelGeometry[k]);
  }
  label1_[0]->setAlignment(Qt::AlignCenter);

  frame1_ = new QGroupBox(QStringLiteral("Банкнота/монета"), this);
  const int extraHeight = extraHeightTwips(currency_);
  frame1_->setGeometry(fromTwips(120, 120, 1935, kFrameHeightTwips + extraHeight));
  for (int k = 0; k < static_cast<int>(currency_.captions.size()); ++k) {
    check1_.push_back(new ResultCheckBox(frame1_));
    check1_[k]->setGeometry(check1Geometry(currency_, k));
  }

  text1_ = new QPlainTextEdit(this);
  text1_->setGeometry(fromTwips(120, kTraceTopTwips + extraHeight, 7575, 2535));
  text1_->setReadOnly(true);
  text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text1_->setFocusPolicy(Qt::StrongFocus);
  text1_->setTabChangesFocus(true);
  text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text1_->setAccessibleName(QStringLiteral("Отброяване на рестото"));

  const QRect text3Geometry[] = {fromTwips(4560, 840, 975, 405), fromTwips(4560, 1320, 975, 405),
                                 fromTwips(4560, 1800, 975, 405)};
  for (int k = 0; k < 3; ++k) {
    text3_[k] = new QLineEdit(this);
    text3_[k]->setGeometry(text3Geometry[k]);
    label1_[k + 1]->setBuddy(text3_[k]);  // gives the box its label as accessible name
  }
  text3_[kChangeBox]->setReadOnly(true);
  for (int k : {kPriceBox, kPaidBox}) {
    connect(text3_[k], &QLineEdit::returnPressed, this, [this] {
      // The pupil's amounts are a task to set, not an answer to check.
      if (pupilAnswers_) {
        focusAnswer();
      } else {
        command1Click(kEnterButton);
      }
    });
  }

  const QRect command1Geometry[] = {fromTwips(4080, 2520, 975, 375),
                                    fromTwips(5760, 1320, 975, 375)};
  for (int k = 0; k < 2; ++k) {
    command1_[k] = new QPushButton(this);
    command1_[k]->setObjectName(QStringLiteral("Command1_%1").arg(k));
    command1_[k]->setGeometry(command1Geometry[k]);
    connect(command1_[k], &QPushButton::clicked, this, [this, k] { command1Click(k); });
  }
  auto* enterClicks = new EnterClicksButton(this);
  for (QPushButton* button : command1_) button->installEventFilter(enterClicks);
}

// The denominations of one unit or more come first, then the trace box,
// the amounts and buttons, then the fractions of a unit.
void DemonstrationWindow::chainTabOrder() {
  QList<QWidget*> order;
  QList<QWidget*> fractions;
  for (std::size_t k = 0; k < check1_.size(); ++k) {
    (ParseAmount(currency_.captions[k]) >= 1 ? order : fractions) << check1_[k];
  }
  order << text1_ << text3_[0] << command1_[0] << command1_[1] << text3_[1] << text3_[2]
        << fractions;
  for (qsizetype k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
}

void DemonstrationWindow::command1Click(int index) {
  if (pupilAnswers_) {
    emit clicked(index);
    return;
  }
  FormContent content = this->content();
  Command1Click(content, static_cast<std::int16_t>(index), settings_, currency_);
  showContent(content);
}

FormContent DemonstrationWindow::content() const {
  FormContent content;
  for (int k = 0; k < 3; ++k) content.Text3[k].Text = text3_[k]->text().toStdString();
  for (const ResultCheckBox* box : check1_) {
    const std::int16_t value = box->isChecked() ? 1 : 0;
    content.Check1.push_back({box->text().toStdString(), value});
  }
  content.Text1[0].Text = fromScreenText(text1_->toPlainText());
  for (int k = 0; k < 2; ++k) content.Command1[k].Caption = command1_[k]->text().toStdString();
  return content;
}

void DemonstrationWindow::showContent(const FormContent& content) {
  for (int k = 0; k < 3; ++k) setTextIfChanged(text3_[k], content.Text3[k].Text);
  for (std::size_t k = 0; k < check1_.size(); ++k) {
    check1_[k]->setText(QString::fromStdString(content.Check1[k].Caption));
    check1_[k]->showTick(content.Check1[k].Value == 1);
  }
  const QString trace = toScreenText(content.Text1[0].Text);
  if (text1_->toPlainText() != trace) text1_->setPlainText(trace);
  for (int k = 0; k < 2; ++k) {
    command1_[k]->setText(QString::fromStdString(content.Command1[k].Caption));
  }
}

}  // namespace restomer
