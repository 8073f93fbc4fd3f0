#include "core/practice_wording.h"

#include <cmath>

#include "core/form_content.h"

namespace restomer {
namespace {

// The start of a long text, so that a verdict line stays one line.
std::string Abbreviated(const std::string& text) {
  constexpr int kLongest = 16;  // characters
  int characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A UTF-8 character starts at every byte that is not a continuation byte.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == kLongest) {
      return text.substr(0, i) + "…";
    }
  }
  return text;
}

std::string Joined(const std::vector<std::string>& items, const char* none) {
  std::string joined;
  for (const std::string& item : items) joined += (joined.empty() ? "" : "; ") + item;
  return joined.empty() ? none : joined;
}

// Ends a sentence with a full stop, unless it ends with one already
// ("… 4,82 лв.").
std::string Sentence(std::string text) {
  if (!text.ends_with('.')) text += '.';
  return text + "\r\n";
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// "Липсва: 1 лв." or "Липсват: 2 лв.; 1 лв.", as the number of pieces asks;
// nothing when there are none.
std::string PiecesLine(const std::string& list, std::size_t size, const char* one,
                       const char* several) {
  if (size == 0) return "";
  return Sentence(std::string(size == 1 ? one : several) + ": " + list);
}

}  // namespace

std::string PracticeWording::Amount(std::int64_t hundredths) const {
  return FormatAmount(static_cast<double>(hundredths) / 100, settings_) +
         std::string(currency_.unit);
}

std::string PracticeWording::Denomination(const std::string& caption) const {
  const std::int64_t hundredths = std::llround(ParseAmount(caption) * 100);
  if (hundredths % 100 != 0) return Amount(hundredths);
  return std::to_string(hundredths / 100) + std::string(currency_.unit);
}

std::string PracticeWording::Denominations(const std::vector<std::string>& captions) const {
  std::vector<std::string> names;
  for (const std::string& caption : captions) names.push_back(Denomination(caption));
  return Joined(names, "без отметки");
}

std::string PracticeWording::Pieces(const std::vector<Piece>& pieces) const {
  std::vector<std::string> names;
  for (const Piece& piece : pieces) {
    // One piece never breaks across lines: no-break spaces inside it.
    std::string name = std::to_string(piece.count) + " × " + Denomination(piece.caption);
    for (std::size_t at; (at = name.find(' ')) != std::string::npos;) name.replace(at, 1, "\u00a0");
    names.push_back(name);
  }
  return Joined(names, "без ресто");
}

std::string PracticeWording::PurchaseSentence(std::int64_t price, std::int64_t paid) const {
  std::string sentence = "Клиентът купува за " + Amount(price) + " и дава " + Amount(paid);
  return sentence.ends_with('.') ? sentence : sentence + ".";
}

std::string PracticeWording::Instruction(std::int64_t price, std::int64_t paid, const Level& level,
                                         const Score& score) const {
  return PurchaseSentence(price, paid) + "\r\n" + LevelText(level, currency_.unit) +
         "\r\n"
         "Напиши рестото в полето „Сума за ресто:“ и отбележи банкнотите и монетите, с които "
         "то се връща с най-малко бройки. После натисни „Въведи“.\r\n"
         "„Чисти“ дава нова задача.\r\n" +
         ScoreLine(score);
}

std::string PracticeWording::Unreadable(int box, const std::string& text) const {
  const std::string name = box == kPriceBox ? "Сумата за плащане" : "Дадената сума";
  if (IsBlank(text)) return name + " не е написана.\r\n";
  return name + " „" + Abbreviated(text) + "“ не е сума като " + FormatAmount(12.5, settings_) +
         ".\r\n";
}

std::string PracticeWording::VerdictLines(const Verdict& verdict) const {
  switch (verdict.kind) {
    case Verdict::Kind::kAlreadyChecked:
      return "Тази задача вече е проверена. „Чисти“ дава нова задача.\r\n";
    case Verdict::Kind::kRoundOver:
      return "";
    case Verdict::Kind::kChecked:
      break;
  }
  if (verdict.IsRight()) return "Вярно!\r\n";
  std::string lines;
  const std::string change = Amount(verdict.change);
  if (!verdict.change_is_wrong) {
    // The change is right.
  } else if (IsBlank(verdict.typed)) {
    lines = Sentence("Рестото не е написано; то е " + change);
  } else if (!verdict.typed_is_amount) {
    lines = Sentence("„" + Abbreviated(verdict.typed) + "“ не е сума; рестото е " + change);
  } else {
    lines = Sentence("Рестото не е „" + Abbreviated(verdict.typed) + "“, а " + change);
  }
  return lines +
         PiecesLine(Denominations(verdict.unneeded), verdict.unneeded.size(), "Не е нужна",
                    "Не са нужни") +
         PiecesLine(Denominations(verdict.missing), verdict.missing.size(), "Липсва", "Липсват");
}

std::string PracticeWording::ScoreLine(const Score& score) const {
  std::string line;
  if (score.round_size > 0) {
    line = "Задача " + std::to_string(score.task) + " от " + std::to_string(score.round_size);
  }
  if (score.answered > 0) {
    line += (line.empty() ? "" : ". ") + std::string("Верни отговори: ") +
            std::to_string(score.right) + " от " + std::to_string(score.answered);
    if (score.skipped > 0) line += " (пропуснати: " + std::to_string(score.skipped) + ")";
  }
  return line.empty() ? "" : line + "\r\n";
}

std::string PracticeWording::RoundResult(const Score& score) const {
  std::string result = "Край на кръга: верни отговори " + std::to_string(score.right) + " от " +
                       std::to_string(score.round_size);
  if (score.skipped > 0) result += ", пропуснати " + std::to_string(score.skipped);
  return result + ".";
}

std::string PracticeWording::Purchase(const TaskRecord& task) const {
  return Amount(task.price) + " → " + Amount(task.paid);
}

std::string PracticeWording::Answer(const TaskRecord& task) const {
  switch (task.outcome) {
    case TaskRecord::Outcome::kRight:
      return "„" + Abbreviated(task.typed) + "“ — вярно";
    case TaskRecord::Outcome::kWrong:
      return (IsBlank(task.typed) ? "без ресто" : "„" + Abbreviated(task.typed) + "“") + " и " +
             Denominations(task.ticked) + " — грешно";
    case TaskRecord::Outcome::kSkipped:
      return "пропусната";
  }
  return "";
}

std::string PracticeWording::RightAnswer(const TaskRecord& task) const {
  if (task.outcome == TaskRecord::Outcome::kRight) return "";
  return "вярно е " + Amount(task.change) + ": " + Pieces(task.pieces);
}

std::string PracticeWording::Summary(const std::vector<TaskRecord>& round,
                                     const Score& score) const {
  std::string summary = RoundResult(score) + "\r\n";
  for (const TaskRecord& task : round) {
    const std::string right = RightAnswer(task);
    std::string line = std::to_string(task.number) + ". " + Purchase(task) + ": " + Answer(task);
    if (!right.empty()) line += "; " + right;
    summary += Sentence(line);
  }
  return summary + "„Чисти“ започва нов кръг.\r\n";
}

std::string TasksInWords(int tasks) {
  return std::to_string(tasks) + (tasks == 1 ? " задача" : " задачи");
}

}  // namespace restomer
