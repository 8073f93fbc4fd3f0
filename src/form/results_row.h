// The rows of a results file: one per task checked or skipped, in CSV
// (RFC 4180), safe to open in a spreadsheet.
#ifndef RESTOMER_FORM_RESULTS_ROW_H_
#define RESTOMER_FORM_RESULTS_ROW_H_

#include <cstdint>
#include <string>
#include <vector>

#include "form/currency.h"
#include "form/practice.h"
#include "form/task_generator.h"

namespace restomer {

// What every row of one practice shares.
struct ResultsContext {
  std::string login;  // the user's login name
  std::string name;   // the pupil's name, when a teacher's launcher gives it
  const Currency* currency;
  int level;
  std::uint64_t seed;
};

// The header row, CR LF at its end.
std::string ResultsHeader();

// The row of one task, CR LF at its end. `time` is the date and time in ISO
// 8601. A field a spreadsheet would take for a formula (one that starts with
// "=", "+", "-", "@", a tab or a carriage return) gets a "'" before it.
std::string ResultsRow(const std::string& time, const ResultsContext& context,
                       const TaskRecord& record);

// One CSV line of those fields, quoted where RFC 4180 asks, with CR LF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace restomer

#endif  // RESTOMER_FORM_RESULTS_ROW_H_
