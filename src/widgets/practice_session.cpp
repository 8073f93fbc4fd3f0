#include "widgets/practice_session.h"

#include <QWindow>
#include <optional>

#include "io/results_file.h"
#include "widgets/demonstration_window.h"
#include "widgets/round_summary_dialog.h"

namespace restomer {

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
  connect(&results_, &PracticeResults::waitingChanged, this, &PracticeSession::showResultsNotice);
}

PracticeSession::~PracticeSession() = default;

void PracticeSession::keepResultsIn(ResultsFile* results) { results_.keepIn(results); }

QString PracticeSession::writeResultsTo(const QString& path, ResultsContext context) {
  context.round_size = practice_.options().round_size;
  return results_.open(path, std::move(context));
}

void PracticeSession::click(int index) {
  FormContent content = window_.content();
  const std::optional<TaskRecord> record =
      practice_.Click(content, static_cast<std::int16_t>(index));
  if (record) results_.append(*record);
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
  shownNotice_ = results_.notice();
  if (!shownNotice_.isEmpty()) trace = shownNotice_.toStdString() + "\r\n" + trace;
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

void PracticeSession::finish() { results_.finish(practice_.Abandon(window_.content())); }

}  // namespace restomer
