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

std::size_t RowsOnce::AddAll(std::vector<ResultRow> rows) {
  rows.erase(std::remove_if(rows.begin(), rows.end(),
                            [this](const ResultRow& row) { return !IsNew(row); }),
             rows.end());
  if (rows_.empty()) {
    rows_ = std::move(rows);  // a file's rows are taken whole, not copied
    return rows_.size();
  }
  rows_.reserve(rows_.size() + rows.size());
  std::move(rows.begin(), rows.end(), std::back_inserter(rows_));
  return rows.size();
}

bool RowsOnce::IsNew(const ResultRow& row) {
  // The id's run is the row's own text, which the rows kept go on holding.
  return row.run.empty() || ids_.insert({row.run.get(), row.sequence}).second;
}

std::size_t RowsOnce::IdHash::operator()(const std::pair<std::string_view, int>& id) const {
  return std::hash<std::string_view>()(id.first) * 31 + std::hash<int>()(id.second);
}

namespace {

// Reads the header row at the start of `text`, past a byte-order mark,
// into `fields`; `at` and `line` move past it.
void ReadHeader(std::string_view text, std::size_t& at, std::vector<std::string>& fields,
                int& line) {
  if (text.starts_with(kByteOrderMark)) at = std::string_view(kByteOrderMark).size();
  if (!ReadCsvRecord(text, at, fields, line)) fields.clear();
}

// A file's rows repeat their texts (the login, the name, the time of a
// minute) and their lists of pieces: each is held once.
struct RowPools {
  SharedPool<std::string> texts;
  SharedPool<std::vector<std::string>> ticked;
  SharedPool<std::vector<Piece>> pieces;
  void Share(ResultRow& row) {
    for (SharedText* text : {&row.time, &row.login, &row.name, &row.currency, &row.seed, &row.typed,
                             &row.computer, &row.run, &row.lesson, &row.coins}) {
      *text = texts.Of(*text);
    }
    row.ticked = ticked.Of(row.ticked);
    row.pieces = pieces.Of(row.pieces);
  }
};

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
  RowPools pools;
  // A row a line, mostly: the rows are held once, without room to spare.
  read.rows.reserve(static_cast<std::size_t>(std::count(text.begin() + at, text.end(), '\n')));
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
    pools.Share(*row);
    read.rows.push_back(std::move(*row));
  }
  return read;
}

}  // namespace restomer
