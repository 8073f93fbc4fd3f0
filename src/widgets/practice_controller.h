// Where practice differs from the demonstration in the window: it owns the
// tasks and the score, decides what a click means, and records each task
// checked or skipped in the results file.
#ifndef RESTOMER_WINDOW_PRACTICE_CONTROLLER_H_
#define RESTOMER_WINDOW_PRACTICE_CONTROLLER_H_

#include <QString>
#include <cstdint>

#include "form/currency.h"
#include "form/form_content.h"
#include "form/practice.h"
#include "runtime/conversions.h"

class QWidget;
class ResultsFile;
class RoundSummaryDialog;

class PracticeController {
 public:
  PracticeController(const restomer::PracticeOptions& options, const restomer::Currency& currency,
                     const restomer::RegionalSettings& settings)
      : practice_(options, currency, settings) {}

  // Appends a row to `results` for every task checked or skipped. The file
  // must outlive the controller.
  void keepResultsIn(ResultsFile* results) { results_ = results; }

  // The first task, at start.
  void start(restomer::FormContent& content) { practice_.SetNextTask(content); }

  // The amounts on screen were typed by the teacher: a new task.
  void takeOwnTask(restomer::FormContent& content) { practice_.SetOwnTask(content); }

  // The click of Command1(index): checks or skips, and records the task. A
  // row the file cannot take is said at the top of the trace box, and
  // practice goes on. Returns whether the click ended a round.
  bool click(restomer::FormContent& content, std::int16_t index);

  // The summary of the round that has just ended.
  RoundSummaryDialog* roundSummary(QWidget* parent) const;

  // What the window says while results wait to be written; empty when none
  // wait.
  QString resultsNotice() const;

  // Practice ends: the task on screen is recorded as skipped, what waits is
  // tried once more, and what still waits is kept for the next start.
  // Returns the message for the pupil about what was kept, or an empty
  // string.
  QString finish(const restomer::FormContent& content);

 private:
  restomer::Practice practice_;
  ResultsFile* results_ = nullptr;
};

#endif  // RESTOMER_WINDOW_PRACTICE_CONTROLLER_H_
