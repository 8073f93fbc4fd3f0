#include "form/practice.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "form/button_actions.h"
#include "form/change_breakdown.h"
#include "runtime/typed_amount.h"

namespace restomer {
namespace {

// The text of an amount box without the blanks around it; "0" when empty,
// as the box is read.
std::string AmountOf(const std::string& box_text) {
  const std::size_t first = box_text.find_first_not_of(" \t");
  if (first == std::string::npos) return "0";
  return box_text.substr(first, box_text.find_last_not_of(" \t") - first + 1);
}

// "2, 0.50", or "без отметки" for none.
std::string CaptionList(const std::vector<std::string>& captions) {
  std::string list;
  for (const std::string& caption : captions) list += (list.empty() ? "" : ", ") + caption;
  return list.empty() ? "без отметки" : list;
}

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

std::vector<std::string> TickedCaptions(const FormContent& form) {
  std::vector<std::string> ticked;
  for (const CheckBox& box : form.Check1) {
    if (box.Value == 1) ticked.push_back(box.Caption);
  }
  return ticked;
}

// The captions of `among` that are not in `but_not`.
std::vector<std::string> CaptionsMissingFrom(const std::vector<std::string>& among,
                                             const std::vector<std::string>& but_not) {
  std::vector<std::string> missing;
  for (const std::string& caption : among) {
    if (std::find(but_not.begin(), but_not.end(), caption) == but_not.end()) {
      missing.push_back(caption);
    }
  }
  return missing;
}

// "Липсва: 1." or "Липсват: 2, 1.", as the number of pieces asks; nothing
// when there are none.
std::string PiecesLine(const std::vector<std::string>& captions, const char* one,
                       const char* several) {
  if (captions.empty()) return "";
  return std::string(captions.size() == 1 ? one : several) + ": " + CaptionList(captions) +
         ".\r\n";
}

// The line on a change typed wrong, or nothing when the text denotes exactly
// the change.
std::string ChangeMistake(const std::string& typed, std::int32_t change,
                          const std::string& change_text, const RegionalSettings& settings) {
  const TypedAmount read = ReadTypedAmount(typed, settings);
  if (read.hundredths == change) return "";
  if (typed.find_first_not_of(" \t") == std::string::npos) {
    return "Рестото не е написано; то е " + change_text + ".\r\n";
  }
  std::string line = "Рестото не е „" + Abbreviated(typed) + "“";
  // Say how a text that is not one amount was read: "4,82" is 4 where "." is
  // the decimal separator.
  if (const double leading = ParseAmount(typed); !read.is_amount && std::isfinite(leading)) {
    line += " (прочетено като " + FormatAmount(leading, settings) + ")";
  }
  return line + ", а " + change_text + ".\r\n";
}

}  // namespace

Practice::Purchase Practice::PurchaseOf(const FormContent& form) {
  return {ParseAmount(form.Text3[kPriceBox].Text), ParseAmount(form.Text3[kPaidBox].Text)};
}

void Practice::SetNextTask(FormContent& form) {
  if (RoundIsOver()) {  // the next round
    answers_ = right_answers_ = skipped_ = 0;
    round_.clear();
  }
  const PracticeTask task = tasks_.Next();
  form.Text3[kPriceBox].Text = AmountText(task.price);
  form.Text3[kPaidBox].Text = AmountText(task.paid);
  // The seed may bring a purchase again; it is then a task of its own.
  checked_.erase(PurchaseOf(form));
  SetOwnTask(form);
}

void Practice::SetOwnTask(FormContent& form) {
  form.Text3[kChangeBox].Text.clear();
  for (CheckBox& box : form.Check1) box.Value = 0;
  form.Text1[0].Text = Instruction(form);
}

std::optional<TaskRecord> Practice::Click(FormContent& form, std::int16_t Index) {
  switch (Index) {
    case kClearButton:
      return Skip(form);
    case kEnterButton:
      return Check(form);
    default:
      return std::nullopt;
  }
}

TaskRecord Practice::Record(const FormContent& before, const FormContent& answered,
                            TaskRecord::Verdict verdict) const {
  return {answers_ + skipped_ + 1,
          AmountOf(before.Text3[kPriceBox].Text),
          AmountOf(before.Text3[kPaidBox].Text),
          before.Text3[kChangeBox].Text,
          TickedCaptions(before),
          answered.Text3[kChangeBox].Text,
          TickedCaptions(answered),
          verdict};
}

void Practice::Count(const TaskRecord& record) {
  ++(record.verdict == TaskRecord::Verdict::kSkipped ? skipped_ : answers_);
  if (record.verdict == TaskRecord::Verdict::kRight) ++right_answers_;
  if (options_.round_size > 0) round_.push_back(record);
}

bool Practice::RoundIsOver() const {
  return options_.round_size > 0 && answers_ + skipped_ >= options_.round_size;
}

std::optional<TaskRecord> Practice::Skip(FormContent& form) {
  std::optional<TaskRecord> record;
  FormContent answered = form;
  if (!RoundIsOver() && !checked_.contains(PurchaseOf(form)) &&
      Command1Click(answered, kEnterButton, settings_, currency_) == ClickOutcome::kChangeShown) {
    record = Record(form, answered, TaskRecord::Verdict::kSkipped);
    Count(*record);
    checked_.insert(PurchaseOf(form));
    if (RoundIsOver()) {  // the last task of the round: its summary, not a new task
      form.Text1[0].Text = Score(record->number) + Summary();
      return record;
    }
  }
  SetNextTask(form);
  return record;
}

std::optional<TaskRecord> Practice::Check(FormContent& form) {
  const FormContent before = form;
  // The demonstration's answer: the change, the ticks and the count-up, or
  // its message for amounts that cannot be answered.
  if (Command1Click(form, kEnterButton, settings_, currency_) != ClickOutcome::kChangeShown) {
    return std::nullopt;
  }
  std::optional<TaskRecord> record;
  std::string verdict;
  if (RoundIsOver()) {
    // The summary says so.
  } else if (!checked_.insert(PurchaseOf(form)).second) {
    verdict = "Тази задача вече е проверена. „Чисти“ дава нова задача.\r\n";
  } else {
    const std::vector<std::string> ticked = TickedCaptions(before);
    const std::vector<std::string> needed = TickedCaptions(form);
    verdict = ChangeMistake(before.Text3[kChangeBox].Text, ChangeInHundredths(form),
                            form.Text3[kChangeBox].Text, settings_) +
              PiecesLine(CaptionsMissingFrom(ticked, needed), "Не е нужна", "Не са нужни") +
              PiecesLine(CaptionsMissingFrom(needed, ticked), "Липсва", "Липсват");
    record = Record(before, form,
                    verdict.empty() ? TaskRecord::Verdict::kRight : TaskRecord::Verdict::kWrong);
    Count(*record);
    if (verdict.empty()) verdict = "Вярно!\r\n";
  }
  // The verdict and the score first, where the trace box shows them without
  // scrolling, then the round's summary after its last task, then the
  // count-up that explains the answer.
  form.Text1[0].Text =
      verdict + Score(answers_ + skipped_) + (RoundIsOver() ? Summary() : "") + form.Text1[0].Text;
  return record;
}

std::string Practice::Instruction(const FormContent& form) const {
  std::string paid = AmountOf(form.Text3[kPaidBox].Text) + std::string(currency_.unit);
  if (!paid.ends_with('.')) paid += '.';
  return "Клиентът купува за " + AmountOf(form.Text3[kPriceBox].Text) +
         std::string(currency_.unit) + " и дава " + paid + "\r\n" +
         LevelText(*options_.level, currency_.unit) +
         "\r\n"
         "Напишете рестото в полето „Сума за ресто:“ и отбележете банкнотите и монетите, с "
         "които то се връща с най-малко бройки. После натиснете „Въведи“.\r\n"
         "„Чисти“ дава нова задача.\r\n" +
         Score(answers_ + skipped_ + 1);
}

// "Задача 3 от 10. Верни отговори: 2 от 3 (пропуснати: 1)": the task's place
// in the round, and the score once there is one.
std::string Practice::Score(int task) const {
  std::string score;
  if (options_.round_size > 0) {
    score = "Задача " + std::to_string(task) + " от " + std::to_string(options_.round_size);
  }
  if (answers_ + skipped_ > 0) {
    score += (score.empty() ? "" : ". ") + std::string("Верни отговори: ") +
             std::to_string(right_answers_) + " от " + std::to_string(answers_ + skipped_);
    if (skipped_ > 0) score += " (пропуснати: " + std::to_string(skipped_) + ")";
  }
  return score.empty() ? "" : score + "\r\n";
}

// The round in a few lines: the score, then each task with what was answered
// and, where it was not right, the answer.
std::string Practice::Summary() const {
  std::string summary = "Край на кръга: верни отговори " + std::to_string(right_answers_) + " от " +
                        std::to_string(options_.round_size);
  if (skipped_ > 0) summary += ", пропуснати " + std::to_string(skipped_);
  summary += ".\r\n";
  const std::string unit(currency_.unit);
  for (const TaskRecord& task : round_) {
    summary += std::to_string(task.number) + ". " + task.price + " → " + task.paid + unit + ": ";
    const std::string answer = "вярно е " + task.change + " и " + CaptionList(task.pieces) + ".";
    switch (task.verdict) {
      case TaskRecord::Verdict::kRight:
        summary += "„" + Abbreviated(task.typed) + "“ — вярно.";
        break;
      case TaskRecord::Verdict::kWrong:
        summary += "„" + Abbreviated(task.typed) + "“ и " + CaptionList(task.ticked) +
                   " — грешно; " + answer;
        break;
      case TaskRecord::Verdict::kSkipped:
        summary += "пропусната; " + answer;
        break;
    }
    summary += "\r\n";
  }
  return summary + "„Чисти“ започва нов кръг.\r\n";
}

}  // namespace restomer
