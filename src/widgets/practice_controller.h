// Where practice differs from the demonstration in the window: it owns the
// tasks and the score, decides what a click means, and records each task
// checked or skipped in the results file.
#ifndef RESTOMER_WIDGETS_PRACTICE_CONTROLLER_H_
#define RESTOMER_WIDGETS_PRACTICE_CONTROLLER_H_

#include <QString>
#include <cstdint>

#include "core/conversions.h"
#include "core/currency.h"
#include "core/form_content.h"
#include "core/practice.h"

class QWidget;

namespace restomer {

class ResultsFile;
class RoundSummaryDialog;

class PracticeController {
 public:
  PracticeController(const PracticeOptions& options, const Currency& currency,
                     const RegionalSettings& settings)
      : practice_(options, currency, settings) {}

  // Appends a row to `results` for every task checked or skipped. The file
  // must outlive the controller.
  void keepResultsIn(ResultsFile* results) { results_ = results; }

  // The first task, at start.
  void start(FormContent& content) { practice_.SetNextTask(content); }

  // The amounts on screen were typed by the teacher: a new task.
  void takeOwnTask(FormContent& content) { practice_.SetOwnTask(content); }

  // The click of Command1(index): checks or skips, and records the task. A
  // row the file cannot take is said at the top of the trace box, and
  // practice goes on. Returns whether the click ended a round.
  bool click(FormContent& content, std::int16_t index);

  // The summary of the round that has just ended.
  RoundSummaryDialog* roundSummary(QWidget* parent) const;

  // What the window says while results wait to be written; empty when none
  // wait.
  QString resultsNotice() const;

  // Practice ends: the task on screen is recorded as skipped, what waits is
  // tried once more, and what still waits is kept for the next start.
  // Returns the message for the pupil about what was kept, or an empty
  // string.
  QString finish(const FormContent& content);

 private:
  Practice practice_;
  ResultsFile* results_ = nullptr;
};

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_PRACTICE_CONTROLLER_H_
