// Practice in the demonstration window: the program sets a purchase, the
// pupil types the change and ticks the pieces, and "Въведи" checks them. The
// session owns the practice and its results file, says in the trace box
// when results wait to be written, shows the round's summary, and records
// the task left open when the window closes. The practice launcher opens it.
#ifndef RESTOMER_WIDGETS_PRACTICE_SESSION_H_
#define RESTOMER_WIDGETS_PRACTICE_SESSION_H_

#include <QObject>
#include <QString>

#include "core/conversions.h"
#include "core/currency.h"
#include "core/lesson.h"
#include "core/practice.h"
#include "core/results_row.h"
#include "widgets/practice_results.h"

class QWidget;

namespace restomer {

class DemonstrationWindow;
class ResultsFile;

class PracticeSession : public QObject {
  Q_OBJECT

 public:
  // Practice in `window`, which the session is a child of: sets the first
  // task and lets the pupil answer.
  PracticeSession(DemonstrationWindow& window, const PracticeOptions& options,
                  const Currency& currency, const RegionalSettings& settings);
  ~PracticeSession() override;

  // Appends a row to `results` for every task checked or skipped. The file
  // must outlive the session.
  void keepResultsIn(ResultsFile* results);

  // Appends the rows to the results file at `path`, which the session opens
  // and owns, with the round's size. An empty string, or why the path can
  // never be a results file.
  QString writeResultsTo(const QString& path, ResultsContext context);

 private:
  void click(int index);
  void takeOwnTask();
  void showRoundSummary();
  // Keeps the line on results that wait at the top of the trace box, or
  // takes it away once they are written.
  void showResultsNotice();
  // The task on screen is recorded as skipped and the results are settled.
  void finish();

  DemonstrationWindow& window_;
  Practice practice_;
  PracticeResults results_;
  QString shownNotice_;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_PRACTICE_SESSION_H_
