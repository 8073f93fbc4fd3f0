#include "core/results_reader.h"

#include <algorithm>
#include <optional>

#include "core/results_columns.h"
#include "core/results_row.h"

namespace restomer {
namespace {

// One record into a row, or nothing when a value cannot be read. A column
// the file lacks leaves the row's default where the column is optional.
std::optional<ResultRow> RowOf(const std::vector<std::string>& fields,
                               const std::vector<int>& at_column) {
  ResultRow row;
  const std::vector<ResultsColumn>& columns = ResultsColumns();
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const ResultsColumn& column = columns[k];
    if (at_column[k] < 0 && column.optional) continue;
    std::string field = at_column[k] < 0 ? std::string() : Undefused(fields[at_column[k]]);
    if (!column.prefix.empty() && field.starts_with(column.prefix)) {
      field.erase(0, column.prefix.size());
    }
    if (!column.read(field, row)) return std::nullopt;
  }
  return row;
}

// Where each column stands in a file with this header; -1 where it has none.
std::vector<int> ColumnsOf(const std::vector<std::string>& header) {
  const std::vector<ResultsColumn>& columns = ResultsColumns();
  std::vector<int> at_column(columns.size(), -1);
  for (std::size_t k = 0; k < header.size(); ++k) {
    if (const ResultsColumn* known = FindResultsColumn(header[k])) {
      at_column[known - columns.data()] = static_cast<int>(k);
    }
  }
  return at_column;
}

bool Found(const std::vector<int>& at_column, ResultsColumnId id) {
  const std::vector<ResultsColumn>& columns = ResultsColumns();
  for (std::size_t k = 0; k < columns.size(); ++k) {
    if (columns[k].id == id) return at_column[k] >= 0;
  }
  return false;
}

}  // namespace

bool ReadCsvRecord(std::string_view text, std::size_t& at, std::vector<std::string>& fields,
                   int& lines) {
  fields.clear();
  if (at >= text.size()) return false;
  std::string field;
  bool quoted = false;
  while (at < text.size()) {
    const char c = text[at++];
    if (quoted) {
      if (c == '"' && at < text.size() && text[at] == '"') {
        field += '"';
        ++at;
      } else if (c == '"') {
        quoted = false;
      } else {
        if (c == '\n') ++lines;
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.push_back(std::move(field));
      field.clear();
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && at < text.size() && text[at] == '\n') ++at;
      ++lines;
      fields.push_back(std::move(field));
      return true;
    } else {
      field += c;
    }
  }
  fields.push_back(std::move(field));
  return !quoted;
}

bool RowsOnce::Add(ResultRow row) {
  const std::string id = RowId(row);
  if (!id.empty() && !ids_.insert(id).second) return false;
  rows_.push_back(std::move(row));
  return true;
}

namespace {

// Reads the header row at the start of `text`, past a byte-order mark,
// into `fields`; `at` and `line` move past it.
void ReadHeader(std::string_view text, std::size_t& at, std::vector<std::string>& fields,
                int& line) {
  if (text.starts_with(kByteOrderMark)) at = std::string_view(kByteOrderMark).size();
  if (!ReadCsvRecord(text, at, fields, line)) fields.clear();
}

}  // namespace

std::vector<std::string> ResultsHeaderOf(std::string_view text) {
  std::size_t at = 0;
  int line = 1;
  std::vector<std::string> header;
  ReadHeader(text, at, header, line);
  return header;
}

ResultsRead ReadResults(std::string_view text) {
  ResultsRead read;
  std::size_t at = 0;
  int line = 1;
  std::vector<std::string> fields;
  ReadHeader(text, at, fields, line);
  read.header = fields;
  const std::vector<int> at_column = ColumnsOf(fields);
  read.header_known = Found(at_column, ResultsColumnId::kOutcome) &&
                      Found(at_column, ResultsColumnId::kPrice) &&
                      Found(at_column, ResultsColumnId::kPaid);
  const std::size_t columns = fields.size();
  while (at < text.size()) {
    const int starts = line;
    const bool whole = ReadCsvRecord(text, at, fields, line);
    if (fields.size() == 1 && fields[0].empty()) continue;  // an empty line
    std::optional<ResultRow> row;
    if (whole && read.header_known && fields.size() == columns) row = RowOf(fields, at_column);
    if (!row) {
      read.unreadable_lines.push_back(starts);
      continue;
    }
    row->line = starts;
    read.rows.push_back(std::move(*row));
  }
  return read;
}

}  // namespace restomer
