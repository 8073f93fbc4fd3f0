#include "form/results_row.h"

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

const char* VerdictText(TaskRecord::Verdict verdict) {
  switch (verdict) {
    case TaskRecord::Verdict::kRight:
      return "вярно";
    case TaskRecord::Verdict::kWrong:
      return "грешно";
    case TaskRecord::Verdict::kSkipped:
      return "пропусната";
  }
  return "";
}

}  // namespace

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) line += ',';
    const std::string& field = fields[k];
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
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
  return CsvLine({"време", "потребител", "име", "валута", "ниво", "начало", "задача", "цена",
                  "платено", "написано ресто", "отбелязани", "ресто", "най-малко бройки",
                  "оценка"});
}

std::string ResultsRow(const std::string& time, const ResultsContext& context,
                       const TaskRecord& record) {
  std::vector<std::string> fields = {time,
                                     context.login,
                                     context.name,
                                     std::string(context.currency->name),
                                     std::to_string(context.level),
                                     std::to_string(context.seed),
                                     std::to_string(record.number),
                                     record.price,
                                     record.paid,
                                     record.typed,
                                     Joined(record.ticked),
                                     record.change,
                                     Joined(record.pieces),
                                     VerdictText(record.verdict)};
  for (std::string& field : fields) field = Defused(field);
  return CsvLine(fields);
}

}  // namespace restomer
