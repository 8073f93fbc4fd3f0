#include "form/practice.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "form/button_actions.h"
#include "form/change_breakdown.h"
#include "runtime/typed_amount.h"

namespace restomer {
namespace {

// "25.18": how the program writes the amounts of a task, which the amount
// boxes read back whatever the region.
std::string AmountText(std::int64_t hundredths) {
  const std::string cents = std::to_string(hundredths % 100);
  return std::to_string(hundredths / 100) + (cents.size() < 2 ? ".0" : ".") + cents;
}

// An amount the instruction names, in the currency's unit: "25.18 лв.".
std::string Priced(const std::string& box_text, const Currency& currency) {
  const std::size_t first = box_text.find_first_not_of(" \t");
  if (first == std::string::npos) return "0" + std::string(currency.unit);
  const std::size_t last = box_text.find_last_not_of(" \t");
  return box_text.substr(first, last - first + 1) + std::string(currency.unit);
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

// "2, 0.50": the captions of `among` that are not in `but_not`.
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
  std::string line = captions.size() == 1 ? one : several;
  for (std::size_t k = 0; k < captions.size(); ++k) line += (k == 0 ? ": " : ", ") + captions[k];
  return line + ".\r\n";
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

std::uint64_t TaskGenerator::Below(std::uint64_t bound) {
  // 2^64 mod bound: rejecting the values below it leaves a whole number of
  // runs of `bound` values, so every remainder is equally likely.
  const std::uint64_t rejected = -bound % bound;
  std::uint64_t value = engine_();
  while (value < rejected) value = engine_();
  return value % bound;
}

PracticeTask TaskGenerator::Next() {
  // Prices under 10, under 100 and under 500 alike often.
  static constexpr std::int64_t kLargestUnits[] = {9, 99, 499};
  static constexpr std::int64_t kPaidSteps[] = {1, 5, 10, 20, 50, 100, 200};
  const std::int64_t largest = kLargestUnits[Below(std::size(kLargestUnits))];
  const auto units = static_cast<std::int64_t>(Below(largest + 1));
  const auto cents = static_cast<std::int64_t>(1 + Below(99));
  const std::int64_t step = 100 * kPaidSteps[Below(std::size(kPaidSteps))];
  const std::int64_t price = units * 100 + cents;
  return {price, (price / step + 1) * step};
}

Practice::Purchase Practice::PurchaseOf(const FormContent& form) {
  return {ParseAmount(form.Text3[kPriceBox].Text), ParseAmount(form.Text3[kPaidBox].Text)};
}

void Practice::SetNextTask(FormContent& form) {
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

void Practice::Click(FormContent& form, std::int16_t Index) {
  switch (Index) {
    case kClearButton:
      if (!checked_.contains(PurchaseOf(form)) && CanBeAnswered(form)) ++skipped_;
      SetNextTask(form);
      break;
    case kEnterButton:
      Check(form);
      break;
    default:
      break;
  }
}

bool Practice::CanBeAnswered(const FormContent& form) const {
  FormContent answered = form;
  return Command1Click(answered, kEnterButton, settings_, currency_) == ClickOutcome::kChangeShown;
}

void Practice::Check(FormContent& form) {
  const std::string typed = form.Text3[kChangeBox].Text;
  const std::vector<std::string> ticked = TickedCaptions(form);
  // The demonstration's answer: the change, the ticks and the count-up, or
  // its message for amounts that cannot be answered.
  if (Command1Click(form, kEnterButton, settings_, currency_) != ClickOutcome::kChangeShown) return;

  std::string verdict;
  if (!checked_.insert(PurchaseOf(form)).second) {
    verdict = "Тази задача вече е проверена. „Чисти“ дава нова задача.\r\n";
  } else {
    const std::vector<std::string> needed = TickedCaptions(form);
    verdict =
        ChangeMistake(typed, ChangeInHundredths(form), form.Text3[kChangeBox].Text, settings_) +
        PiecesLine(CaptionsMissingFrom(ticked, needed), "Не е нужна", "Не са нужни") +
        PiecesLine(CaptionsMissingFrom(needed, ticked), "Липсва", "Липсват");
    ++answers_;
    if (verdict.empty()) {
      ++right_answers_;
      verdict = "Вярно!\r\n";
    }
  }
  // The verdict and the score first, where the trace box shows them without
  // scrolling, then the count-up that explains the answer.
  form.Text1[0].Text = verdict + Score() + form.Text1[0].Text;
}

std::string Practice::Instruction(const FormContent& form) const {
  std::string paid = Priced(form.Text3[kPaidBox].Text, currency_);
  if (!paid.ends_with('.')) paid += '.';
  return "Клиентът купува за " + Priced(form.Text3[kPriceBox].Text, currency_) + " и дава " + paid +
         "\r\n"
         "Напишете рестото в полето „Сума за ресто:“ и отбележете банкнотите и монетите, с "
         "които то се връща с най-малко бройки. После натиснете „Въведи“.\r\n"
         "„Чисти“ дава нова задача.\r\n" +
         (answers_ + skipped_ > 0 ? Score() : "");
}

std::string Practice::Score() const {
  std::string score = "Верни отговори: " + std::to_string(right_answers_) + " от " +
                      std::to_string(answers_ + skipped_);
  if (skipped_ > 0) score += " (пропуснати: " + std::to_string(skipped_) + ")";
  return score + "\r\n";
}

}  // namespace restomer
