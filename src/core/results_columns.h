// The columns of a results file, in one table: what each is called in the
// header now and in older files, how the report heads it and what kind of
// cell it is, and how a row's value is written into it and read back. The
// writer, the reader and the reports all go by this table, so a column is
// added in one place.
#ifndef RESTOMER_CORE_RESULTS_COLUMNS_H_
#define RESTOMER_CORE_RESULTS_COLUMNS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/shared_value.h"
#include "core/verdict.h"

namespace restomer {

// One row of a results file: one task checked or skipped. Its texts and
// lists are shared with the rows that repeat them.
struct ResultRow {
  int line = 0;  // where it starts in the file, from 1
  // The class it was read for: the folder a teacher gave the overview. Not
  // a column: the reader's, like the line.
  SharedText class_name;
  SharedText time;
  SharedText login;
  SharedText name;
  SharedText currency;
  int level = 0;
  SharedText seed;  // as written, without its "№"
  int round = 1;
  int task = 0;
  std::int64_t price = 0;  // hundredths
  std::int64_t paid = 0;
  SharedText typed;
  Shared<std::vector<std::string>> ticked;
  std::int64_t change = 0;
  Shared<std::vector<Piece>> pieces;
  TaskRecord::Outcome outcome = TaskRecord::Outcome::kSkipped;
  SharedText computer;  // its host name
  int round_size = 0;   // tasks in a round; 0 where rounds are not counted
  // The start of practice the row comes from, and the row's number in it:
  // together the row's id, which no other row has.
  SharedText run;
  int sequence = 0;
  // The lesson file practice started from, by its name; empty without one.
  SharedText lesson;
  // An informatics task's coin system ("4 3 1"), whose amount is the
  // `paid` and `change` and whose fewest pieces are the `pieces`; empty for
  // a purchase.
  SharedText coins;
  // The kind of practice: files without the column hold purchases, or
  // informatics tasks where a row has coins.
  TaskKind kind = TaskKind::kPurchases;
  bool operator==(const ResultRow&) const = default;
};

enum class ResultsColumnId {
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
  kComputer,
  kRoundSize,
  kRun,
  kSequence,
  kLesson,
  kCoins,
  kKind,
};

// What a column's cells are, for a report: its text as it stands, a whole
// number, an amount ("4.57"), an ISO 8601 time, a currency's name.
enum class CellKind { kText, kWhole, kAmount, kTime, kCurrency };

struct ResultsColumn {
  ResultsColumnId id;
  std::string_view header;              // the name today's files give it
  std::vector<std::string_view> older;  // the names older files gave it
  std::string_view heading;             // the report's heading
  CellKind kind;
  // Whether a row can be read without it: a file without the column gives
  // every row ResultRow's default.
  bool optional;
  // Written before the value and taken off when read: "№" before a seed,
  // which no spreadsheet then takes for a number.
  std::string_view prefix;
  // The row's value as the file writes it, without the prefix.
  std::string (*write)(const ResultRow& row);
  // Reads the field (without the prefix) into the row; false when it holds
  // no value of the column. Columns are read in the table's order.
  bool (*read)(const std::string& field, ResultRow& row);
};

// Every column, in the order today's files write them.
const std::vector<ResultsColumn>& ResultsColumns();

// The column a file's header names so, today or in an older file; nullptr
// for a name no version wrote.
const ResultsColumn* FindResultsColumn(std::string_view header);

// The column of that id: every id has one.
const ResultsColumn& ResultsColumnOf(ResultsColumnId id);

// "3f9a…/12": the row's id, or empty for a row of a file written before rows
// had one.
std::string RowId(const ResultRow& row);

// Text a pupil typed is data: a field a spreadsheet would take for a formula
// (one that starts with "=", "+", "-", "@", a tab or a carriage return) gets
// a "'" before it, which Defused puts and Undefused takes off.
std::string Defused(const std::string& field);
std::string Undefused(std::string field);

// "2×2 0.10 2×0.02": pieces with their counts, a count of one left out.
std::string PiecesText(const std::vector<Piece>& pieces);

// The outcome as the file writes it: "вярна", "грешна", "пропусната".
const char* OutcomeText(TaskRecord::Outcome outcome);

}  // namespace restomer

#endif  // RESTOMER_CORE_RESULTS_COLUMNS_H_
