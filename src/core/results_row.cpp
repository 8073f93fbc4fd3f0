#include "core/results_row.h"

namespace restomer {

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) line += ',';
    const std::string& field = fields[k];
    if (field.find_first_of(",;\"\r\n") == std::string::npos) {
      line += field;
      continue;
    }
    line += '"';
    for (char c : field) line += c == '"' ? std::string("\"\"") : std::string(1, c);
    line += '"';
  }
  return line + "\r\n";
}

std::string ResultsHeader() {
  std::vector<std::string> names;
  for (const ResultsColumn& column : ResultsColumns()) names.emplace_back(column.header);
  return CsvLine(names);
}

ResultRow ResultRowOf(const std::string& time, const ResultsContext& context,
                      const TaskRecord& record, int sequence) {
  ResultRow row;
  row.time = time;
  row.login = context.login;
  row.name = context.name;
  if (context.currency != nullptr) row.currency = std::string(context.currency->name);
  row.level = context.level;
  row.seed = std::to_string(context.seed);
  row.round = record.round;
  row.task = record.number;
  row.price = record.price;
  row.paid = record.paid;
  row.typed = record.typed;
  row.ticked = record.ticked;
  row.change = record.change;
  row.pieces = record.pieces;
  row.outcome = record.outcome;
  row.computer = context.computer;
  row.round_size = context.round_size;
  row.run = context.run;
  row.sequence = sequence;
  row.lesson = context.lesson;
  row.coins = record.coins;
  row.kind = record.kind;
  return row;
}

namespace {

std::string FieldOf(const ResultsColumn& column, const ResultRow& row) {
  return Defused(std::string(column.prefix) + column.write(row));
}

}  // namespace

std::string ResultsLine(const ResultRow& row) {
  std::vector<std::string> fields;
  for (const ResultsColumn& column : ResultsColumns()) fields.push_back(FieldOf(column, row));
  return CsvLine(fields);
}

std::string ResultsLineIn(const ResultRow& row, const std::vector<std::string>& header) {
  std::vector<std::string> fields;
  for (const std::string& name : header) {
    const ResultsColumn* column = FindResultsColumn(name);
    fields.push_back(column ? FieldOf(*column, row) : std::string());
  }
  return CsvLine(fields);
}

}  // namespace restomer
