#include "form/practice.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "form/button_actions.h"
#include "form/change_breakdown.h"

namespace restomer {
namespace {

// "25.18": how the program writes the amounts of a task, which the amount
// boxes read back whatever the region.
std::string AmountText(std::int64_t hundredths) {
  const std::string cents = std::to_string(hundredths % 100);
  return std::to_string(hundredths / 100) + (cents.size() < 2 ? ".0" : ".") + cents;
}

std::string Instruction(const FormContent& form) {
  return "Клиентът купува за " + form.Text3[kPriceBox].Text + " и дава " +
         form.Text3[kPaidBox].Text +
         ".\r\n"
         "Напишете рестото в полето „Сума за ресто:“ и отбележете банкнотите и монетите, с "
         "които то се връща с най-малко бройки. После натиснете „Въведи“.\r\n"
         "„Чисти“ дава нова задача.\r\n";
}

std::vector<std::string> TickedCaptions(const FormContent& form) {
  std::vector<std::string> ticked;
  for (const CheckBox& box : form.Check1) {
    if (box.Value == 1) ticked.push_back(box.Caption);
  }
  return ticked;
}

// "2, 0.50": the captions of `among` that are not in `but_not`.
std::string CaptionsMissingFrom(const std::vector<std::string>& among,
                                const std::vector<std::string>& but_not) {
  std::string list;
  for (const std::string& caption : among) {
    if (std::find(but_not.begin(), but_not.end(), caption) != but_not.end()) continue;
    list += (list.empty() ? "" : ", ") + caption;
  }
  return list;
}

// The line on a change typed wrong, or nothing when it is right to the
// stotinka or cent.
std::string ChangeMistake(const std::string& typed, std::int32_t change,
                          const std::string& change_text, const RegionalSettings& settings) {
  const double read = ParseAmount(typed);
  if (std::isfinite(read) && std::nearbyint(read * 100) == change) return "";
  if (typed.find_first_not_of(" \t") == std::string::npos) {
    return "Рестото не е написано; то е " + change_text + ".\r\n";
  }
  std::string line = "Рестото не е „" + typed + "“";
  // Say how a text with more than a number in it was read: "4,82" is 4.
  if (std::isfinite(read) && typed.find_first_not_of("0123456789.+- \t") != std::string::npos) {
    line += " (прочетено като " + FormatAmount(read, settings) + ")";
  }
  return line + ", а " + change_text + ".\r\n";
}

}  // namespace

PracticeTask TaskGenerator::Next() {
  // Prices under 10, under 100 and under 500 alike often.
  static constexpr std::int64_t kLargestUnits[] = {9, 99, 499};
  static constexpr std::int64_t kPaidSteps[] = {1, 5, 10, 20, 50, 100, 200};
  const int size = std::uniform_int_distribution<int>(0, 2)(engine_);
  const std::int64_t units =
      std::uniform_int_distribution<std::int64_t>(0, kLargestUnits[size])(engine_);
  const std::int64_t cents = std::uniform_int_distribution<std::int64_t>(1, 99)(engine_);
  const std::int64_t step = 100 * kPaidSteps[std::uniform_int_distribution<int>(0, 6)(engine_)];
  const std::int64_t price = units * 100 + cents;
  return {price, (price / step + 1) * step};
}

void Practice::SetNextTask(FormContent& form) {
  const PracticeTask task = tasks_.Next();
  form.Text3[kPriceBox].Text = AmountText(task.price);
  form.Text3[kPaidBox].Text = AmountText(task.paid);
  form.Text3[kChangeBox].Text.clear();
  for (CheckBox& box : form.Check1) box.Value = 0;
  form.Text1[0].Text = Instruction(form);
  counted_task_.reset();
}

void Practice::Click(FormContent& form, std::int16_t Index) {
  switch (Index) {
    case kClearButton:
      SetNextTask(form);
      break;
    case kEnterButton:
      Check(form);
      break;
    default:
      break;
  }
}

void Practice::Check(FormContent& form) {
  const std::string typed = form.Text3[kChangeBox].Text;
  const std::vector<std::string> ticked = TickedCaptions(form);
  // The demonstration's answer: the change, the ticks and the count-up, or
  // its message for an amount that cannot be answered.
  Command1Click(form, kEnterButton, settings_, currency_);
  if (form.Text1[0].Text == kUnderpaymentMessage || form.Text1[0].Text == kTooLargeMessage) return;

  const std::vector<std::string> needed = TickedCaptions(form);
  std::string mistakes =
      ChangeMistake(typed, ChangeInHundredths(form), form.Text3[kChangeBox].Text, settings_);
  if (const std::string extra = CaptionsMissingFrom(ticked, needed); !extra.empty()) {
    mistakes += "Не са нужни: " + extra + ".\r\n";
  }
  if (const std::string missing = CaptionsMissingFrom(needed, ticked); !missing.empty()) {
    mistakes += "Липсват: " + missing + ".\r\n";
  }

  std::pair<std::string, std::string> task(form.Text3[kPriceBox].Text, form.Text3[kPaidBox].Text);
  if (counted_task_ != task) {
    ++answers_;
    if (mistakes.empty()) ++right_answers_;
    counted_task_ = std::move(task);
  }
  form.Text1[0].Text = (mistakes.empty() ? "Вярно!\r\n" : mistakes) + form.Text1[0].Text +
                       "Верни отговори: " + std::to_string(right_answers_) + " от " +
                       std::to_string(answers_) + "\r\n";
}

}  // namespace restomer
