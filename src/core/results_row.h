// The rows of a results file: one per task checked or skipped, in CSV
// (RFC 4180), safe to open in a spreadsheet under any regional settings.
#ifndef RESTOMER_CORE_RESULTS_ROW_H_
#define RESTOMER_CORE_RESULTS_ROW_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/currency.h"
#include "core/results_columns.h"
#include "core/task_generator.h"
#include "core/verdict.h"

namespace restomer {

// What every row of one practice shares.
struct ResultsContext {
  ResultsContext() = default;
  ResultsContext(std::string login, std::string name, const Currency* currency, int level,
                 std::uint64_t seed)
      : login(std::move(login)),
        name(std::move(name)),
        currency(currency),
        level(level),
        seed(seed) {}
  std::string login;                   // the user's login name
  std::string name;                    // the pupil's name, when a launcher or the pupil gives it
  const Currency* currency = nullptr;  // none for informatics
  int level = 0;
  std::uint64_t seed = 0;
  int round_size = 0;    // tasks in a round; 0 without rounds
  std::string computer;  // the host name
  std::string run;       // this start of practice, unlike any other
  std::string lesson;    // the lesson file's name; empty without one
};

// UTF-8's byte-order mark, with which a new results file starts: Excel
// reads a CSV file as UTF-8 only with it.
inline constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// The header row, CR LF at its end.
std::string ResultsHeader();

// The row of one task as the reader returns it: the `sequence`-th row of
// its run. `time` is the date and time in ISO 8601.
ResultRow ResultRowOf(const std::string& time, const ResultsContext& context,
                      const TaskRecord& record, int sequence = 0);

// A row in today's columns, CR LF at its end. Amounts are written "4.57"
// whatever the locale; the seed as "№2026", which no spreadsheet rounds; the
// pieces with their counts ("2×2 0.10"); the outcome in words no spreadsheet
// takes for a truth value. A field a spreadsheet would take for a formula
// (one that starts with "=", "+", "-", "@", a tab or a carriage return) gets
// a "'" before it.
std::string ResultsLine(const ResultRow& row);

// A row in the columns of a file whose header row holds `header`: a file an
// older version began gets its rows in its own columns, and a column it
// does not know stays out.
std::string ResultsLineIn(const ResultRow& row, const std::vector<std::string>& header);

// One CSV line of those fields, quoted where RFC 4180 asks and where a
// field holds ";" (a list separator of spreadsheets), with CR LF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace restomer

#endif  // RESTOMER_CORE_RESULTS_ROW_H_
