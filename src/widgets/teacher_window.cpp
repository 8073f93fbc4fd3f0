#include "widgets/teacher_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <optional>

#include "io/lesson_file.h"
#include "io/regional_settings.h"
#include "print/lesson_worksheet.h"
#include "widgets/informatics_window.h"
#include "widgets/overview_window.h"
#include "widgets/practice_launcher.h"

namespace restomer {
namespace {

const QString kTitle = QStringLiteral("Restomer: урок");

QString lessonFilter() {
  return QStringLiteral("Урок на Restomer (*.%1)").arg(QLatin1String(kLessonSuffix));
}

// A row of the form whose field is several controls: the label's buddy is
// the first of them, and screen readers name each.
QHBoxLayout* rowOf(std::initializer_list<QWidget*> controls) {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  for (QWidget* control : controls) row->addWidget(control);
  return row;
}

// Whether this user may write the results file (or create it in its folder).
bool writableForResults(const QFileInfo& results) {
  return results.exists() ? results.isWritable() : QFileInfo(results.absolutePath()).isWritable();
}

QString folderFor(const QString& file) {
  if (!file.isEmpty()) return QFileInfo(file).absolutePath();
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace

TeacherWindow::TeacherWindow(QWidget* parent) : QWidget(parent) {
  setWindowTitle(kTitle);
  createControls();
  setLesson(NewLesson());
}

// The currency, the kind of practice with its levels, and the settings of
// practice with pictures.
void TeacherWindow::createKindControls() {
  currency_ = new QComboBox;
  for (const Currency* currency : Currencies()) {
    currency_->addItem(QString::fromUtf8(currency->bulgarian_name));
  }
  kind_ = new QComboBox;
  for (const TaskKindName& name : TaskKindNames()) {
    kind_->addItem(QString::fromUtf8(name.label), static_cast<int>(name.kind));
  }
  level_ = new QComboBox;
  connect(currency_, &QComboBox::currentIndexChanged, this, &TeacherWindow::fillLevels);
  connect(kind_, &QComboBox::currentIndexChanged, this, &TeacherWindow::fillLevels);
  fillLevels();
  fewest_ = new QComboBox;
  fewest_->addItem(QStringLiteral("най-малко бройки"), true);
  fewest_->addItem(QStringLiteral("само вярна сума"), false);
  readAloud_ = new QCheckBox(QStringLiteral("всяка задача се чете на &глас, щом се появи"));
  amountsInWords_ = new QCheckBox(QStringLiteral("сумите и с &думи под цифрите"));
}

// The lesson's settings, one row each.
QFormLayout* TeacherWindow::createForm() {
  createKindControls();
  tasks_ = new QSpinBox;
  tasks_->setRange(static_cast<int>(TasksRange().least), static_cast<int>(TasksRange().most));
  tasks_->setSpecialValueText(QStringLiteral("без кръгове: упражнението продължава"));

  seed_ = new QLineEdit;
  seed_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,19}")), seed_));
  seed_->setAccessibleName(QStringLiteral("Начално число"));
  newSeed_ = new QPushButton(QStringLiteral("Ново число"));
  connect(newSeed_, &QPushButton::clicked, this, &TeacherWindow::drawNewSeed);
  differentTasks_ = new QCheckBox(QStringLiteral("различни задачи на всеки &компютър"));
  connect(differentTasks_, &QCheckBox::toggled, this, [this](bool different) {
    seed_->setEnabled(!different);
    newSeed_->setEnabled(!different);
    if (!different && seed_->text().isEmpty()) drawNewSeed();
  });

  results_ = new QLineEdit;
  results_->setPlaceholderText(QStringLiteral("без файл: резултатите не се записват"));
  results_->setAccessibleName(QStringLiteral("Файл с резултати"));
  auto* chooseResults = new QPushButton(QStringLiteral("Из&бери…"));
  chooseResults->setAccessibleName(QStringLiteral("Избери файл с резултати"));
  connect(chooseResults, &QPushButton::clicked, this, &TeacherWindow::chooseResultsFile);

  askName_ = new QCheckBox(QStringLiteral("упражнението пита ученика за името му"));

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Валута:"), currency_);
  form->addRow(QStringLiteral("Вид &упражнение:"), kind_);
  form->addRow(QStringLiteral("&Ниво:"), level_);
  form->addRow(QStringLiteral("Рестото е вярно &с:"), fewest_);
  form->addRow(QString(), readAloud_);
  form->addRow(QString(), amountsInWords_);
  form->addRow(QStringLiteral("&Задачи в кръг:"), tasks_);
  auto* seedLabel = new QLabel(QStringLiteral("Начално &число:"));
  seedLabel->setBuddy(seed_);
  form->addRow(seedLabel, rowOf({seed_, newSeed_}));
  form->addRow(QString(), differentTasks_);
  // Said beside the seed while it is no seed; saving waits for one.
  seedProblem_ = new QLabel;
  seedProblem_->setWordWrap(true);
  seedProblem_->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));
  form->addRow(QString(), seedProblem_);
  connect(seed_, &QLineEdit::textChanged, this, &TeacherWindow::checkSeed);
  connect(differentTasks_, &QCheckBox::toggled, this, &TeacherWindow::checkSeed);
  auto* resultsLabel = new QLabel(QStringLiteral("&Файл с резултати:"));
  resultsLabel->setBuddy(results_);
  form->addRow(resultsLabel, rowOf({results_, chooseResults}));
  form->addRow(QStringLiteral("&Питай за името:"), askName_);
  form_ = form;
  connect(kind_, &QComboBox::currentIndexChanged, this, &TeacherWindow::enableKindSettings);
  enableKindSettings();
  return form;
}

// What the teacher does with the lesson.
QHBoxLayout* TeacherWindow::createButtons() {
  auto* open = new QPushButton(QStringLiteral("&Отвори урок…"));
  connect(open, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Отвори урок"),
                                                      folderFor(file_), lessonFilter());
    if (!path.isEmpty()) openLesson(path);
  });
  auto* save = new QPushButton(QStringLiteral("&Запази урока…"));
  connect(save, &QPushButton::clicked, this, [this] {
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Запази урока"),
        file_.isEmpty() ? QDir(folderFor(file_)).filePath(QStringLiteral("урок.restomer")) : file_,
        lessonFilter());
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + QLatin1String(kLessonSuffix);
    saveLesson(path);
  });
  auto* tryIt = new QPushButton(QStringLiteral("&Опитай"));
  tryIt->setToolTip(
      QStringLiteral("Упражнението с тези настройки, както го вижда ученикът; "
                     "резултатите от пробата не се записват."));
  connect(tryIt, &QPushButton::clicked, this, &TeacherWindow::tryLesson);
  auto* worksheet = new QPushButton(QStringLiteral("&Работен лист…"));
  connect(worksheet, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Работен лист"),
        QDir(folderFor(file_)).filePath(QStringLiteral("работен лист.pdf")),
        QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty()) writeWorksheetTo(path);
  });

  auto* results = new QPushButton(QStringLiteral("Р&езултати…"));
  results->setToolTip(
      QStringLiteral("Обзор на резултатите на урока или на целия клас: ученици, задачи, "
                     "уроци и най-честите грешки."));
  auto* which = new QMenu(results);
  which->addAction(QStringLiteral("На &този урок"), this,
                   [this] { showResults(Results::kLesson); });
  which->addAction(QStringLiteral("На целия &клас (папката над папката на урока)"), this,
                   [this] { showResults(Results::kClass); });
  results->setMenu(which);

  auto* informatics = new QPushButton(QStringLiteral("&Информатика"));
  informatics->setToolTip(
      QStringLiteral("Дава ли алчният начин винаги най-малко бройки? Прозорецът за информатика, "
                     "с монетите на урока, ако има."));
  connect(informatics, &QPushButton::clicked, this, [this] {
    auto* window = new InformaticsWindow(regionalSettingsOf(QLocale::system()));
    if (!coins_.empty()) window->setCoins(coins_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
  });

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {open, save, tryIt, worksheet, results, informatics}) {
    buttons->addWidget(button);
  }
  return buttons;
}

void TeacherWindow::createControls() {
  QFormLayout* form = createForm();
  QHBoxLayout* buttons = createButtons();
  status_ = new QLabel;
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* intro = new QLabel(QStringLiteral(
      "Настройте урока и го запазете в папка, която всички компютри виждат. Учениците го "
      "отварят с двойно щракване, а резултатите им се събират във файла с резултати."));
  intro->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  // The window grows where a line is added (a message, a long path), so
  // that the form is never squeezed.
  layout->setSizeConstraint(QLayout::SetMinimumSize);
  layout->addWidget(intro);
  layout->addSpacing(8);
  layout->addLayout(form);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->addWidget(status_);
  layout->addStretch();
}

TaskKind TeacherWindow::kind() const { return static_cast<TaskKind>(kind_->currentData().toInt()); }

// The kind's levels in words, in the unit of the currency chosen.
void TeacherWindow::fillLevels() {
  const int chosen = level_->currentData().toInt();
  const std::string_view unit = Currencies()[currency_->currentIndex()]->unit;
  level_->clear();
  for (const LevelChoice& level : LevelChoices(kind(), unit)) {
    level_->addItem(QString::fromStdString(level.text), level.number);
  }
  level_->setCurrentIndex(std::max(0, level_->findData(chosen)));
}

void TeacherWindow::enableKindSettings() {
  const bool pictures = kind() == TaskKind::kPictures;
  for (QWidget* setting : std::initializer_list<QWidget*>{fewest_, readAloud_, amountsInWords_}) {
    setting->setEnabled(pictures);
    if (QWidget* label = form_->labelForField(setting)) label->setEnabled(pictures);
  }
}

void TeacherWindow::drawNewSeed() { seed_->setText(QString::number(NewSeed())); }

void TeacherWindow::chooseResultsFile() {
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Файл с резултати"),
      results_->text().isEmpty() ? QDir(folderFor(file_)).filePath(QStringLiteral("резултати.csv"))
                                 : results_->text(),
      QStringLiteral("CSV (*.csv)"), nullptr, QFileDialog::DontConfirmOverwrite);
  if (!path.isEmpty()) results_->setText(QDir::toNativeSeparators(path));
}

Lesson TeacherWindow::lesson() const {
  Lesson lesson;
  lesson.currency = Currencies()[currency_->currentIndex()];
  lesson.level = level_->currentData().toInt();
  lesson.tasks = tasks_->value();
  if (!differentTasks_->isChecked()) {
    lesson.seed = WholeNumberIn(seed_->text().toStdString(), SeedRange());
  }
  lesson.results = results_->text().trimmed().toStdString();
  lesson.ask_name = askName_->isChecked();
  lesson.coins = coins_;
  lesson.kind = coins_.empty() ? kind() : TaskKind::kInformatics;
  lesson.fewest_pieces = fewest_->currentData().toBool();
  lesson.read_aloud = readAloud_->isChecked();
  lesson.amounts_in_words = amountsInWords_->isChecked();
  return lesson;
}

void TeacherWindow::setLesson(const Lesson& lesson, const QString& file) {
  const auto currencies = Currencies();
  currency_->setCurrentIndex(static_cast<int>(
      std::find(currencies.begin(), currencies.end(), lesson.currency) - currencies.begin()));
  kind_->setCurrentIndex(kind_->findData(static_cast<int>(lesson.kind)));
  level_->setCurrentIndex(level_->findData(lesson.level));
  fewest_->setCurrentIndex(fewest_->findData(lesson.fewest_pieces));
  readAloud_->setChecked(lesson.read_aloud);
  amountsInWords_->setChecked(lesson.amounts_in_words);
  tasks_->setValue(lesson.tasks);
  differentTasks_->setChecked(!lesson.seed.has_value());
  seed_->setText(lesson.seed ? QString::number(*lesson.seed) : QString());
  results_->setText(QString::fromStdString(lesson.results));
  askName_->setChecked(lesson.ask_name);
  coins_ = lesson.coins;
  checkSeed();
  showFile(file);
}

void TeacherWindow::showFile(const QString& path) {
  file_ = path;
  setWindowTitle(
      path.isEmpty() ? kTitle : QStringLiteral("%1 — %2").arg(QFileInfo(path).fileName(), kTitle));
}

QString TeacherWindow::say(const QString& error) {
  if (!error.isEmpty()) QMessageBox::warning(this, kTitle, error);
  return error;
}

// `sentence` with `path` for its %1, the path elided in the middle to one
// line of the window's width: a long path neither widens the window nor
// squeezes the form. The whole path is in the tooltip.
void TeacherWindow::showStatus(const QString& sentence, const QString& path) {
  const QString native = QDir::toNativeSeparators(path);
  const QFontMetrics metrics = status_->fontMetrics();
  const int width = contentsRect().width() - layout()->contentsMargins().left() -
                    layout()->contentsMargins().right() -
                    metrics.horizontalAdvance(QStringLiteral("„“."));
  status_->setText(sentence.arg(metrics.elidedText(native, Qt::ElideMiddle, width)));
  status_->setToolTip(native);
}

QString TeacherWindow::openLesson(const QString& path) {
  Lesson lesson;
  if (const QString error = readLessonFile(path, lesson); !error.isEmpty()) return say(error);
  setLesson(lesson, path);
  showStatus(QStringLiteral("Отворен е урокът „%1“."), path);
  return {};
}

// A share may let the pupils write where the teacher may not: she decides.
bool TeacherWindow::confirmUnwritable(const QFileInfo& results) {
  return QMessageBox::question(
             this, kTitle,
             QStringLiteral("Този потребител не може да записва във „%1“. Ако и учениците не "
                            "могат, резултатите им няма да се запишат. Да се запази ли урокът?")
                 .arg(QDir::toNativeSeparators(results.absoluteFilePath()))) == QMessageBox::Yes;
}

QString TeacherWindow::checkSeed() {
  const bool noSeed = !differentTasks_->isChecked() && !lesson().seed;
  seedProblem_->setText(
      noSeed ? QStringLiteral("Напишете начално число (цифри) или отметнете „различни задачи на "
                              "всеки компютър“.")
             : QString());
  if (seedProblem_->isVisibleTo(this) != noSeed) {
    seedProblem_->setVisible(noSeed);
    if (isVisible()) adjustSize();
  }
  return seedProblem_->text();
}

QString TeacherWindow::saveLesson(const QString& path) {
  if (const QString problem = checkSeed(); !problem.isEmpty()) {
    seed_->setFocus();
    return problem;
  }
  Lesson lesson = this->lesson();
  // A results file named without a folder is the lesson's folder's; a
  // lesson the pupils could not open is not saved.
  if (!lesson.results.empty()) {
    QString missing;
    const QString results = resultsBesideLesson(QFileInfo(path).absolutePath(),
                                                QString::fromStdString(lesson.results), missing);
    if (results.isEmpty()) {
      return say(QStringLiteral("Папката на файла с резултати „%1“ не съществува.").arg(missing));
    }
    lesson.results = results.toStdString();
    if (!writableForResults(QFileInfo(results)) && !confirmUnwritable(QFileInfo(results))) {
      return {};
    }
  }
  if (const QString error = writeLessonFile(path, lesson); !error.isEmpty()) return say(error);
  showFile(path);
  showStatus(QStringLiteral("Урокът е записан в „%1“. Учениците го отварят с двойно щракване."),
             path);
  return {};
}

QString TeacherWindow::writeWorksheetTo(const QString& path) {
  Lesson lesson = this->lesson();
  if (!lesson.seed) lesson.seed = NewSeed();
  if (const QString error = writeLessonWorksheet(path, lesson); !error.isEmpty()) {
    return say(error);
  }
  showStatus(QStringLiteral("Работният лист е записан в „%1“ (начално число %2).")
                 .arg(QStringLiteral("%1"), QString::number(*lesson.seed)),
             path);
  return {};
}

OverviewWindow* TeacherWindow::showResults(Results which) {
  const QString typed = results_->text().trimmed();
  if (typed.isEmpty()) {
    say(QStringLiteral("Урокът няма файл с резултати: изберете го в „Файл с резултати“."));
    return nullptr;
  }
  // A results file named without a folder is the lesson's folder's, as
  // the pupils' practice finds it.
  const QString path = QFileInfo(QDir(folderFor(file_)), typed).absoluteFilePath();
  QDir classFolder = QFileInfo(path).absoluteDir();
  classFolder.cdUp();
  auto* overview =
      new OverviewWindow({which == Results::kLesson ? path : classFolder.absolutePath()});
  overview->setAttribute(Qt::WA_DeleteOnClose);
  overview->show();
  return overview;
}

// A try writes no results: the class's file stays as the pupils leave it.
void TeacherWindow::tryLesson() {
  QString error;
  openPractice(lesson(), false, error, this);
}

}  // namespace restomer
