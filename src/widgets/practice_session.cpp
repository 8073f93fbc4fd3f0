#include "widgets/practice_session.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QWindow>
#include <optional>

#include "io/regional_settings.h"
#include "io/results_file.h"
#include "io/user_account.h"
#include "widgets/demonstration_window.h"
#include "widgets/pupil_name.h"
#include "widgets/round_summary_dialog.h"

namespace restomer {
namespace {

QString tasksInWords(int tasks) { return QString::fromStdString(TasksInWords(tasks)); }

}  // namespace

PracticeSession::PracticeSession(DemonstrationWindow& window, const PracticeOptions& options,
                                 const Currency& currency, const RegionalSettings& settings)
    : QObject(&window), window_(window), practice_(options, currency, settings) {
  FormContent content = window.content();
  practice_.SetNextTask(content);
  window.letThePupilAnswer();
  window.showContent(content);
  connect(&window, &DemonstrationWindow::clicked, this, &PracticeSession::click);
  connect(&window, &DemonstrationWindow::amountsEdited, this, &PracticeSession::takeOwnTask);
  connect(&window, &DemonstrationWindow::closing, this, &PracticeSession::finish);
}

PracticeSession::~PracticeSession() = default;

void PracticeSession::keepResultsIn(ResultsFile* results) {
  results_ = results;
  connect(results, &ResultsFile::waitingChanged, this, &PracticeSession::showResultsNotice);
}

QString PracticeSession::writeResultsTo(const QString& path, ResultsContext context) {
  context.round_size = practice_.options().round_size;
  auto results = std::make_unique<ResultsFile>(path, std::move(context));
  if (const QString error = results->open(); !error.isEmpty()) return error;
  ownResults_ = std::move(results);
  keepResultsIn(ownResults_.get());
  return {};
}

void PracticeSession::click(int index) {
  FormContent content = window_.content();
  const std::optional<TaskRecord> record =
      practice_.Click(content, static_cast<std::int16_t>(index));
  if (record && results_ != nullptr) results_->append(*record);
  window_.showContent(content);
  shownNotice_.clear();
  showResultsNotice();
  // The pupil types the next answer at once.
  window_.focusAnswer();
  if (record && !practice_.EndedRound().empty()) showRoundSummary();
}

// Amounts a teacher types are a new task at once.
void PracticeSession::takeOwnTask() {
  FormContent content = window_.content();
  practice_.SetOwnTask(content);
  window_.showContent(content);
}

void PracticeSession::showResultsNotice() {
  FormContent content = window_.content();
  std::string& trace = content.Text1[0].Text;
  const std::string shown = shownNotice_.toStdString() + "\r\n";
  if (!shownNotice_.isEmpty() && trace.starts_with(shown)) trace.erase(0, shown.size());
  shownNotice_.clear();
  if (results_ != nullptr && results_->waiting() > 0) {
    // Short: the score at the end of the task's lines stays in the box's
    // view. Where the rows are kept is said at closing.
    shownNotice_ = QStringLiteral("Резултатите от %1 чакат: %2.")
                       .arg(tasksInWords(results_->waiting()), results_->reason());
    trace = shownNotice_.toStdString() + "\r\n" + trace;
  }
  window_.showContent(content);
}

// The round's summary in a dialog of its own: the trace box shows a few
// lines only. "Нов кръг" is "Чисти". The dialog is no child of the window,
// whose colours are not its own, but stays above it.
void PracticeSession::showRoundSummary() {
  auto* summary =
      new RoundSummaryDialog(practice_.EndedRound(), practice_.LastScore(), practice_.wording());
  summary->setAttribute(Qt::WA_DeleteOnClose);
  connect(this, &QObject::destroyed, summary, &QObject::deleteLater);
  summary->winId();
  summary->windowHandle()->setTransientParent(window_.windowHandle());
  connect(summary, &QDialog::accepted, this, [this] { click(kClearButton); });
  summary->open();
}

// The program ends once the pupil has read where the rows wait.
void PracticeSession::finish() {
  if (results_ == nullptr) return;
  if (const std::optional<TaskRecord> record = practice_.Abandon(window_.content())) {
    results_->append(*record);
  }
  if (results_->flush().isEmpty()) return;
  const QString where = results_->waitingIn();
  QString text =
      QStringLiteral("Резултатите от %1 не можаха да бъдат записани във файла „%2“ (%3). ")
          .arg(tasksInWords(results_->waiting()))
          .arg(QDir::toNativeSeparators(results_->path()), results_->reason());
  if (where.isEmpty()) {
    text += QStringLiteral(
        "Не можаха да бъдат запазени и другаде: не затваряйте Restomer, "
        "докато файлът не може да се записва.");
  } else if (QFileInfo(where).absolutePath() == QFileInfo(results_->path()).absolutePath()) {
    text += QStringLiteral(
                "Чакат до него, в „%1“: прегледът на резултатите ги брои, а следващият "
                "Restomer, който пише във файла, ги добавя към него.")
                .arg(QFileInfo(where).fileName());
  } else {
    text += QStringLiteral(
                "Пазят се на този компютър, в „%1“, и ще бъдат добавени към файла, щом "
                "Restomer се пусне отново с него.")
                .arg(QDir::toNativeSeparators(where));
  }
  auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Restomer"), text);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

DemonstrationWindow* openPractice(const Lesson& lesson, bool writeResults, QString& error,
                                  QWidget* nameParent) {
  std::string name = lesson.name;
  if (lesson.ask_name) {
    const std::optional<QString> asked = askPupilName(nameParent);
    if (!asked) return nullptr;
    name = asked->toStdString();
  }
  const std::uint64_t seed = lesson.seed.value_or(NewSeed());
  const RegionalSettings settings = regionalSettingsOf(QLocale::system());
  auto window = std::make_unique<DemonstrationWindow>(settings, *lesson.currency);
  auto* session =
      new PracticeSession(*window, PracticeOptions(seed, *FindLevel(lesson.level), lesson.tasks),
                          *lesson.currency, settings);
  if (writeResults && !lesson.results.empty()) {
    ResultsContext context(loginName(), name, lesson.currency, lesson.level, seed);
    context.lesson = lesson.title;
    error = session->writeResultsTo(QString::fromStdString(lesson.results), std::move(context));
    if (!error.isEmpty()) return nullptr;
  }
  window->showPupilName(QString::fromStdString(name));
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window.release();
}

}  // namespace restomer
