#include "core/results_row.h"

namespace restomer {
namespace {

// Text a pupil typed is data: a spreadsheet must not run it.
std::string Defused(const std::string& field) {
  if (field.empty() || std::string("=+-@\t\r").find(field.front()) == std::string::npos) {
    return field;
  }
  return "'" + field;
}

std::string Joined(const std::vector<std::string>& captions) {
  std::string joined;
  for (const std::string& caption : captions) joined += (joined.empty() ? "" : " ") + caption;
  return joined;
}

}  // namespace

std::string PiecesText(const std::vector<Piece>& pieces) {
  std::string text;
  for (const Piece& piece : pieces) {
    text += (text.empty() ? "" : " ") +
            (piece.count == 1 ? "" : std::to_string(piece.count) + "×") + piece.caption;
  }
  return text;
}

// Not "вярно", which a spreadsheet under Bulgarian settings reads as TRUE.
const char* OutcomeText(TaskRecord::Outcome outcome) {
  switch (outcome) {
    case TaskRecord::Outcome::kRight:
      return "вярна";
    case TaskRecord::Outcome::kWrong:
      return "грешна";
    case TaskRecord::Outcome::kSkipped:
      return "пропусната";
  }
  return "";
}

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
  return CsvLine({"време", "потребител", "име", "валута", "ниво", "начално число", "кръг", "задача",
                  "цена", "платено", "написано ресто", "отбелязани", "ресто", "най-малко бройки",
                  "оценка"});
}

std::string ResultsRow(const std::string& time, const ResultsContext& context,
                       const TaskRecord& record) {
  std::vector<std::string> fields = {time,
                                     context.login,
                                     context.name,
                                     std::string(context.currency->name),
                                     std::to_string(context.level),
                                     "№" + std::to_string(context.seed),
                                     std::to_string(record.round),
                                     std::to_string(record.number),
                                     AmountText(record.price),
                                     AmountText(record.paid),
                                     record.typed,
                                     Joined(record.ticked),
                                     AmountText(record.change),
                                     PiecesText(record.pieces),
                                     OutcomeText(record.outcome)};
  for (std::string& field : fields) field = Defused(field);
  return CsvLine(fields);
}

}  // namespace restomer
