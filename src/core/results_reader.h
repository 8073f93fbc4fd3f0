// Reading a results file back: the one reader the overview and the reports
// are built from. Files of every version of the program read alike: the
// header names the columns, and a column a file lacks is empty.
#ifndef RESTOMER_CORE_RESULTS_READER_H_
#define RESTOMER_CORE_RESULTS_READER_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/results_columns.h"

namespace restomer {

struct ResultsRead {
  std::vector<ResultRow> rows;
  // The lines of rows that could not be read: damaged or cut, or every line
  // of a file whose header is not a results file's.
  std::vector<int> unreadable_lines;
  bool header_known = true;
  std::vector<std::string> header;  // the names in the header row
};

// Reads the text of a results file, a byte-order mark at its start or not.
ResultsRead ReadResults(std::string_view text);

// The names in the header row of a results file's text (or of its first
// line), a byte-order mark at its start or not.
std::vector<std::string> ResultsHeaderOf(std::string_view text);

// Rows from several files that may hold the same row (a results file and
// the rows waiting beside it): each row once, by its id. Rows of files
// written before rows had ids are all kept.
class RowsOnce {
 public:
  // Adds those of `rows` whose ids are not in; how many.
  std::size_t AddAll(std::vector<ResultRow> rows);
  std::vector<ResultRow>& rows() { return rows_; }

 private:
  // Whether no row with the id of `row` is in, which it then is.
  bool IsNew(const ResultRow& row);
  std::vector<ResultRow> rows_;
  struct IdHash {
    std::size_t operator()(const std::pair<std::string_view, int>& id) const;
  };
  std::unordered_set<std::pair<std::string_view, int>, IdHash> ids_;
};

// The fields of one CSV record from `text` at `at`, which moves past it and
// its line end; `lines` counts the line ends passed. False at the end of the
// text, or when a quoted field is left open (a cut record).
bool ReadCsvRecord(std::string_view text, std::size_t& at, std::vector<std::string>& fields,
                   int& lines);

}  // namespace restomer

#endif  // RESTOMER_CORE_RESULTS_READER_H_
