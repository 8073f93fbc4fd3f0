#include "core/results_reader.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "core/change_breakdown.h"
#include "core/conversions.h"
#include "core/results_row.h"
#include "core/typed_amount.h"

namespace restomer {
namespace {

enum Column {
  kTime,
  kLogin,
  kName,
  kCurrency,
  kLevel,
  kSeed,
  kRound,
  kTask,
  kPrice,
  kPaid,
  kTyped,
  kTicked,
  kChange,
  kPieces,
  kOutcome,
  kColumns
};

// The names of each column in the headers of every version; the first one
// is today's.
const std::vector<std::string_view> kNames[kColumns] = {{"време"},
                                                        {"потребител"},
                                                        {"име"},
                                                        {"валута"},
                                                        {"ниво"},
                                                        {"начално число", "начало"},
                                                        {"кръг"},
                                                        {"задача"},
                                                        {"цена"},
                                                        {"платено"},
                                                        {"написано ресто"},
                                                        {"отбелязани"},
                                                        {"ресто"},
                                                        {"най-малко бройки"},
                                                        {"оценка"}};

// A field as it was before it was kept from being a formula.
std::string Undefused(std::string field) {
  if (field.size() > 1 && field[0] == '\'' &&
      std::string_view("=+-@\t\r").find(field[1]) != std::string_view::npos) {
    field.erase(0, 1);
  }
  return field;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

std::optional<int> Whole(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The most hundredths a change or a denomination of an old file may hold:
// the breakdown counts in 32 bits.
constexpr std::int64_t kMostHundredths = INT32_MAX;

std::optional<std::int64_t> Hundredths(const std::string& text) {
  return ReadTypedAmount(text, RegionalSettings{}).hundredths;
}

// "2×2 0.10": the pieces with their counts. Files that wrote the
// denominations alone get their counts from the change, as the seller
// hands it back, largest first.
std::optional<std::vector<Piece>> PiecesOf(const std::string& text, std::int64_t change) {
  std::vector<Piece> pieces;
  if (text.find("×") != std::string::npos) {
    for (const std::string& word : Words(text)) {
      const std::size_t times = word.find("×");
      if (times == std::string::npos) {
        pieces.push_back({word, 1});
        continue;
      }
      const std::optional<int> count = Whole(word.substr(0, times));
      if (!count) return std::nullopt;
      pieces.push_back({word.substr(times + std::string_view("×").size()), *count});
    }
    return pieces;
  }
  std::vector<std::int32_t> denominations;
  for (const std::string& word : Words(text)) {
    const std::optional<std::int64_t> denomination = Hundredths(word);
    if (!denomination || *denomination <= 0 || *denomination > kMostHundredths) return std::nullopt;
    denominations.push_back(static_cast<std::int32_t>(*denomination));
    pieces.push_back({word, 0});
  }
  if (change < INT32_MIN || change > kMostHundredths) return std::nullopt;
  try {
    const std::vector<std::int16_t> counts =
        GreedyCounts(static_cast<std::int32_t>(change), denominations);
    for (std::size_t k = 0; k < counts.size(); ++k) pieces[k].count = counts[k];
  } catch (const OverflowError&) {
    return std::nullopt;
  }
  return pieces;
}

std::optional<TaskRecord::Outcome> OutcomeOf(const std::string& text) {
  for (auto outcome :
       {TaskRecord::Outcome::kRight, TaskRecord::Outcome::kWrong, TaskRecord::Outcome::kSkipped}) {
    if (text == OutcomeText(outcome)) return outcome;
  }
  if (text == "вярно") return TaskRecord::Outcome::kRight;  // the first files' words
  if (text == "грешно") return TaskRecord::Outcome::kWrong;
  return std::nullopt;
}

// One record into a row, or nothing when a value cannot be read.
std::optional<ResultRow> RowOf(const std::vector<std::string>& fields,
                               const std::vector<int>& at_column) {
  const auto field = [&](Column column) {
    return at_column[column] < 0 ? std::string() : Undefused(fields[at_column[column]]);
  };
  ResultRow row;
  row.time = field(kTime);
  row.login = field(kLogin);
  row.name = field(kName);
  row.currency = field(kCurrency);
  row.seed = field(kSeed);
  if (row.seed.starts_with("№")) row.seed.erase(0, std::string_view("№").size());
  row.typed = field(kTyped);
  row.ticked = Words(field(kTicked));
  const std::optional<int> level = Whole(field(kLevel));
  const std::optional<int> round = at_column[kRound] < 0 ? 1 : Whole(field(kRound));
  const std::optional<int> task = Whole(field(kTask));
  const std::optional<std::int64_t> price = Hundredths(field(kPrice));
  const std::optional<std::int64_t> paid = Hundredths(field(kPaid));
  const std::optional<std::int64_t> change = Hundredths(field(kChange));
  const std::optional<TaskRecord::Outcome> outcome = OutcomeOf(field(kOutcome));
  if (!level || !round || !task || !price || !paid || !change || !outcome) return std::nullopt;
  const std::optional<std::vector<Piece>> pieces = PiecesOf(field(kPieces), *change);
  if (!pieces) return std::nullopt;
  row.level = *level;
  row.round = *round;
  row.task = *task;
  row.price = *price;
  row.paid = *paid;
  row.change = *change;
  row.pieces = *pieces;
  row.outcome = *outcome;
  return row;
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

ResultsRead ReadResults(std::string_view text) {
  ResultsRead read;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(std::string_view(kByteOrderMark).size());
  std::size_t at = 0;
  int line = 1;
  std::vector<std::string> fields;
  std::vector<int> at_column(kColumns, -1);
  if (ReadCsvRecord(text, at, fields, line)) {
    for (int column = 0; column < kColumns; ++column) {
      for (std::size_t k = 0; k < fields.size(); ++k) {
        for (std::string_view name : kNames[column]) {
          if (fields[k] == name) at_column[column] = static_cast<int>(k);
        }
      }
    }
  }
  read.header_known = at_column[kOutcome] >= 0 && at_column[kPrice] >= 0 && at_column[kPaid] >= 0;
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
