// The CSV file practice appends a row to for every task checked or skipped,
// which many computers may share: each row is appended whole, under a lock,
// and a row that fails is taken back, so no row written before is harmed.
#ifndef RESTOMER_WINDOW_RESULTS_FILE_H_
#define RESTOMER_WINDOW_RESULTS_FILE_H_

#include <QString>

#include "form/practice.h"
#include "form/results_row.h"

class ResultsFile {
 public:
  ResultsFile(const QString& path, const restomer::ResultsContext& context)
      : path_(path), context_(context) {}

  // The pupil's name in the rows from now on.
  void setPupilName(const std::string& name) { context_.name = name; }

  // Makes sure the file can be appended to, writing the header row when it
  // is new. An empty string when it can; otherwise one Bulgarian line.
  QString open();

  // Appends the row of `record`. An empty string when it was written;
  // otherwise one Bulgarian line for the trace box.
  QString append(const restomer::TaskRecord& record);

 private:
  // Appends `text` whole, or nothing and says why.
  QString appendWhole(const std::string& text, bool onlyWhenEmpty);

  QString path_;
  restomer::ResultsContext context_;
};

// The login name of the user running the program.
std::string loginName();

#endif  // RESTOMER_WINDOW_RESULTS_FILE_H_
