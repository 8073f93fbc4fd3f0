// Feeds arbitrary amounts and button clicks to the change logic, starting from
// the start-up content, and aborts when a click leaves the window in a state a
// user could not trust.
//
// Input: lines separated by '\n'. Line 0 is typed as the price, line 1 as the
// amount paid, line 2 is the sequence of actions (one byte each, see Act), the
// bytes of line 3 pick the regional settings, the currency, the practice mode
// (an odd byte), its seed and its level, and line 4 is what the learner types
// as the change in practice.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/amount_text.h"
#include "core/button_actions.h"
#include "core/conversions.h"
#include "core/form_content.h"
#include "core/practice.h"
#include "core/typed_amount.h"
#include "fuzz_check.h"

namespace {

using namespace restomer;

// The denominations in hundredths, largest first, as a seller knows them.
std::vector<std::int64_t> Hundredths(const Currency& currency) {
  if (&currency == &kEuro) {
    return {50000, 20000, 10000, 5000, 2000, 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1};
  }
  return {10000, 5000, 2000, 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1};
}

RegionalSettings PickSettings(unsigned char choice) {
  RegionalSettings settings;
  switch (choice % 3) {
    case 1:  // Bulgarian
      settings.decimal_separator = ",";
      settings.group_separator = "\u00a0";
      break;
    case 2:  // unusual: no grouping, no leading zero, a multi-byte minus
      settings.group_size = 0;
      settings.leading_zero = false;
      settings.negative_sign = "\u2212";
      break;
  }
  return settings;
}

std::vector<std::string_view> SplitLines(std::string_view data) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = data.find('\n', start)) != std::string_view::npos; start = end + 1) {
    lines.push_back(data.substr(start, end - start));
  }
  lines.push_back(data.substr(start));
  return lines;
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// "1,234.56" in the settings' notation: grouped digits (or nothing, where a
// leading zero is left out), the decimal separator, two digits. No sign: the
// change is never below zero.
bool IsTwoDecimalAmount(std::string_view text, const RegionalSettings& settings) {
  const std::string_view decimal = settings.decimal_separator;
  if (text.size() < decimal.size() + 2) return false;
  if (!IsDigits(text.substr(text.size() - 2))) return false;
  if (text.substr(text.size() - 2 - decimal.size(), decimal.size()) != decimal) return false;
  std::string_view integer = text.substr(0, text.size() - 2 - decimal.size());
  if (integer.empty()) return !settings.leading_zero;
  if (settings.group_size == 0) return IsDigits(integer);
  const std::size_t group = static_cast<std::size_t>(settings.group_size);
  const std::string_view separator = settings.group_separator;
  while (integer.size() > group) {
    if (!IsDigits(integer.substr(integer.size() - group))) return false;
    integer.remove_suffix(group);
    if (integer.size() <= separator.size() ||
        integer.substr(integer.size() - separator.size()) != separator) {
      return false;
    }
    integer.remove_suffix(separator.size());
  }
  return IsDigits(integer) && (integer.size() == 1 || integer[0] != '0');
}

// The hundredths of a two-decimal amount in any notation: its digits.
std::int64_t HundredthsShown(std::string_view text) {
  std::int64_t hundredths = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') hundredths = hundredths * 10 + (c - '0');
  }
  return hundredths;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
    text.replace(at, from.size(), to);
  }
}

// The digits of a number written with that decimal separator and, where one
// is given, digits grouped by threes with that separator; "" when it is not.
std::string DigitsOf(std::string_view text, std::string_view decimal, std::string_view group) {
  const std::size_t at = text.find(decimal);
  std::string_view integer = text.substr(0, at);
  const std::string_view fraction =
      at == std::string_view::npos ? "" : text.substr(at + decimal.size());
  if ((integer.empty() && fraction.empty()) || (!fraction.empty() && !IsDigits(fraction)))
    return "";
  std::string digits;
  for (bool first = true; !integer.empty(); first = false) {
    const std::size_t end = group.empty() ? std::string_view::npos : integer.find(group);
    const std::string_view chunk = integer.substr(0, end);
    const bool size_fits = group.empty() || (first ? chunk.size() <= 3 : chunk.size() == 3);
    if (!IsDigits(chunk) || !size_fits) return "";
    digits += chunk;
    integer = end == std::string_view::npos ? "" : integer.substr(end + group.size());
    if (end != std::string_view::npos && integer.empty()) return "";
  }
  return digits + "." + std::string(fraction);
}

void Trim(std::string& text) {
  constexpr std::string_view kBlanks[] = {" ", "\t", "\u00a0", "\u202f"};
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (std::string_view blank : kBlanks) {
      if (text.starts_with(blank)) {
        text.erase(0, blank.size());
        trimmed = true;
      }
      if (text.ends_with(blank)) {
        text.erase(text.size() - blank.size());
        trimmed = true;
      }
    }
  }
}

// Whether a learner's text is exactly `hundredths`, written plainly ("4.820"),
// in the settings' notation ("4,82", "1 000,00") or with a decimal comma and
// one or two digits after it, blanks and the unit around it aside. Read here
// digit by digit, apart from the program's own reading.
bool Denotes(std::string text, std::int64_t hundredths, const RegionalSettings& settings,
             const Currency& currency) {
  Trim(text);
  std::string unit(currency.unit);
  Trim(unit);
  if (!text.ends_with(unit) && unit.ends_with('.')) unit.pop_back();
  if (text.ends_with(unit)) {
    text.erase(text.size() - unit.size());
    Trim(text);
  }
  std::string group = settings.group_separator;
  if (group == "\u00a0" || group == "\u202f") group = " ";
  if (group == " ") {
    ReplaceAll(text, "\u00a0", " ");
    ReplaceAll(text, "\u202f", " ");
  }
  bool negative = text.starts_with('-');
  if (!negative && !settings.negative_sign.empty() && text.starts_with(settings.negative_sign)) {
    negative = true;
    text.erase(0, settings.negative_sign.size());
  } else if (negative || text.starts_with('+')) {
    text.erase(0, 1);
  }
  std::string digits = DigitsOf(text, ".", "");
  if (digits.empty())
    digits = DigitsOf(text, settings.decimal_separator, settings.group_size ? group : "");
  if (digits.empty()) {
    digits = DigitsOf(text, ",", "");
    const std::size_t decimals = digits.size() - std::min(digits.find('.'), digits.size()) - 1;
    if (decimals < 1 || decimals > 2) return false;
  }
  while (digits.back() == '0' && digits.size() - digits.find('.') > 3) digits.pop_back();
  const std::size_t point = digits.find('.');
  if (digits.size() - point > 3) return false;
  digits.erase(point, 1);
  digits.append(2 - (digits.size() - point), '0');
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.empty()) return hundredths == 0;
  return !negative && digits.size() <= 18 && std::stoll(digits) == hundredths;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  CHECK(start == text.size());  // every line ends with CR LF
  return lines;
}

// The change in hundredths as the amounts define it, or -1 where it cannot be
// broken down into 16-bit counts of each denomination.
std::int64_t ExpectedHundredths(const FormContent& form, const std::vector<std::int64_t>& pieces) {
  const double price = ParseAmount(form.Text3[kPriceBox].Text) * 100;
  const double paid = ParseAmount(form.Text3[kPaidBox].Text) * 100;
  const double change = std::nearbyint(paid - price);
  const double largest_change = 32768.0 * static_cast<double>(pieces.front());
  if (!std::isfinite(price) || !std::isfinite(paid) || !(change < largest_change)) return -1;
  return static_cast<std::int64_t>(change);
}

void CheckBreakdown(const FormContent& form, const RegionalSettings& settings,
                    const Currency& currency) {
  const std::vector<std::int64_t> pieces = Hundredths(currency);
  CHECK(form.Check1.size() == pieces.size());
  const std::int64_t expected = ExpectedHundredths(form, pieces);
  CHECK(expected >= 0);
  const std::vector<std::string> lines = Lines(form.Text1[0].Text);
  std::size_t line = 0;
  std::int64_t paid_out = 0;
  for (int k = static_cast<int>(pieces.size()) - 1; k >= 0; --k) {
    CHECK(form.Check1[k].Value == 0 || form.Check1[k].Value == 1);
    if (form.Check1[k].Value == 0) continue;
    CHECK(line < lines.size());
    const std::string& text = lines[line++];
    const std::string_view adding = " добавям: ";
    const std::size_t at = text.find(adding);
    CHECK(text.rfind("Към сумата: ", 0) == 0 && at != std::string::npos);
    CHECK(text.ends_with(currency.unit));
    const long count = std::strtol(text.c_str() + at + adding.size(), nullptr, 10);
    CHECK(count >= 1 && count <= 32767);
    CHECK(k == 0 || count * pieces[k] < pieces[k - 1]);  // greedy: no larger piece fits
    paid_out += count * pieces[k];
  }
  CHECK(lines.size() == line + 1);
  CHECK(lines.back().rfind("Натрупаната сума е равна на ", 0) == 0);
  CHECK(paid_out == expected);
  CHECK(IsTwoDecimalAmount(form.Text3[kChangeBox].Text, settings));
  // The change box shows the change the pieces pay out.
  CHECK(HundredthsShown(form.Text3[kChangeBox].Text) == paid_out);
}

enum class Action { kClear, kEnter, kRetype, kSwap, kOtherIndex, kTick, kTypeChange };

// A click in the demonstration: what was typed is never changed, except by
// "Чисти", and "Въведи" shows a message or the fewest-pieces breakdown.
void CheckDemonstrationClick(const FormContent& before, const FormContent& form, std::int16_t index,
                             const RegionalSettings& settings, const Currency& currency) {
  if (index == kClearButton) {
    FormContent cleared = before;
    for (TextBox& box : cleared.Text3) box.Text.clear();
    for (CheckBox& box : cleared.Check1) box.Value = 0;
    cleared.Text1[0].Text.clear();
    CHECK(form == cleared);
    return;
  }
  if (index != kEnterButton) {
    CHECK(form == before);
    return;
  }
  CHECK(form.Text3[kPriceBox].Text == before.Text3[kPriceBox].Text);
  CHECK(form.Text3[kPaidBox].Text == before.Text3[kPaidBox].Text);
  CHECK(form.Text3[kChangeBox].Text.empty() ||
        IsTwoDecimalAmount(form.Text3[kChangeBox].Text, settings));
  const std::string& trace = form.Text1[0].Text;
  const bool underpaid =
      ParseAmount(form.Text3[kPaidBox].Text) < ParseAmount(form.Text3[kPriceBox].Text);
  CHECK(underpaid == (trace == kUnderpaymentMessage));
  if (underpaid) {
    FormContent unchanged = before;
    unchanged.Text1[0].Text = kUnderpaymentMessage;
    CHECK(form == unchanged);
  } else if (trace == kTooLargeMessage) {
    CHECK(ExpectedHundredths(form, Hundredths(currency)) < 0);
    for (const CheckBox& box : form.Check1) CHECK(box.Value == 0);
  } else {
    CheckBreakdown(form, settings, currency);
  }
}

std::vector<std::int16_t> Ticks(const FormContent& form) {
  std::vector<std::int16_t> ticks;
  for (const CheckBox& box : form.Check1) ticks.push_back(box.Value);
  return ticks;
}

// A click in practice: "Чисти" sets a task a pupil meets; "Въведи" shows the
// demonstration's answer, after a verdict that is "Вярно!" exactly when the
// change typed and the pieces ticked were right, and the score.
void CheckPracticeClick(const FormContent& before, const FormContent& form, std::int16_t index,
                        const RegionalSettings& settings, const Currency& currency,
                        int answers_before, const Practice& practice) {
  if (index == kClearButton) {
    RegionalSettings plain;  // how tasks are written: "1234.56"
    plain.group_size = 0;
    CHECK(IsTwoDecimalAmount(form.Text3[kPriceBox].Text, plain));
    CHECK(IsTwoDecimalAmount(form.Text3[kPaidBox].Text, plain));
    const std::int64_t change = ExpectedHundredths(form, Hundredths(currency));
    CHECK(change >= 1 && change <= 100000);
    CHECK(form.Text3[kChangeBox].Text.empty());
    for (const CheckBox& box : form.Check1) CHECK(box.Value == 0);
    CHECK(form.Text1[0].Text.starts_with("Клиентът купува за "));
    CHECK(practice.answers() == answers_before);
    return;
  }
  if (index != kEnterButton) {
    CHECK(form == before);
    return;
  }
  // The amounts are read as answers are, and written back the program's way;
  // what is no amount in hundredths is refused and nothing counts.
  const TypedAmount price = ReadTypedAmount(before.Text3[kPriceBox].Text, settings, currency.unit);
  const TypedAmount paid = ReadTypedAmount(before.Text3[kPaidBox].Text, settings, currency.unit);
  if (!price.hundredths || !paid.hundredths) {
    CHECK(form.Text3 == before.Text3 && Ticks(form) == Ticks(before));
    CHECK(form.Text1[0].Text.starts_with("Сумата за плащане") ||
          form.Text1[0].Text.starts_with("Дадената сума"));
    CHECK(practice.answers() == answers_before);
    return;
  }
  FormContent shown = before;
  shown.Text3[kPriceBox].Text = AmountText(*price.hundredths);
  shown.Text3[kPaidBox].Text = AmountText(*paid.hundredths);
  Command1Click(shown, kEnterButton, settings, currency);
  const std::string& demonstration = shown.Text1[0].Text;
  if (demonstration == kUnderpaymentMessage || demonstration == kTooLargeMessage) {
    CHECK(form == shown);
    CHECK(practice.answers() == answers_before);
    return;
  }
  CHECK(form.Text3 == shown.Text3);
  CHECK(Ticks(form) == Ticks(shown));
  std::string score = "Верни отговори: " + std::to_string(practice.right_answers()) + " от " +
                      std::to_string(practice.answers() + practice.skipped());
  if (practice.skipped() > 0) score += " (пропуснати: " + std::to_string(practice.skipped()) + ")";
  score += "\r\n";
  const std::string& trace = form.Text1[0].Text;
  CHECK(trace.ends_with(score + demonstration));
  const std::string verdict = trace.substr(0, trace.size() - demonstration.size() - score.size());
  if (practice.answers() == answers_before) {
    CHECK(verdict == "Тази задача вече е проверена. „Чисти“ дава нова задача.\r\n");
    return;
  }
  const bool right = Ticks(before) == Ticks(shown) &&
                     Denotes(before.Text3[kChangeBox].Text,
                             HundredthsShown(shown.Text3[kChangeBox].Text), settings, currency);
  CHECK((verdict == "Вярно!\r\n") == right);
  for (const std::string& line : Lines(verdict)) {
    CHECK(line == "Вярно!" || line.starts_with("Рестото не е") || line.starts_with("„") ||
          line.starts_with("Не са нужни: ") || line.starts_with("Липсват: ") ||
          line.starts_with("Не е нужна: ") || line.starts_with("Липсва: "));
  }
  CHECK(practice.answers() - answers_before <= 1);
  CHECK(practice.right_answers() <= practice.answers());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> lines =
      SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string price(lines[0]);
  const std::string paid(lines.size() > 1 ? lines[1] : std::string_view());
  std::string_view actions = lines.size() > 2 ? lines[2] : std::string_view("\1");
  if (actions.size() > 16) actions = actions.substr(0, 16);
  const std::string_view choices = lines.size() > 3 ? lines[3] : std::string_view();
  const auto choice = [&](std::size_t k) -> unsigned char {
    return k < choices.size() ? choices[k] : 0;
  };
  const RegionalSettings settings = PickSettings(choice(0));
  const std::span<const Currency* const> currencies = Currencies();
  const Currency& currency = *currencies[choice(1) % currencies.size()];
  const bool practising = choice(2) % 2 == 1;
  const std::string typed_change(lines.size() > 4 ? lines[4] : std::string_view());

  const std::span<const Level> levels = Levels();
  Practice practice(PracticeOptions(choice(3), levels[choice(4) % levels.size()]), currency,
                    settings);
  FormContent form = StartUpContent(currency);
  if (practising) practice.SetNextTask(form);
  for (unsigned char byte : actions) {
    const Action action = static_cast<Action>(byte % 7);
    if (action == Action::kRetype) {
      form.Text3[kPriceBox].Text = price;
      form.Text3[kPaidBox].Text = paid;
      if (practising) practice.SetOwnTask(form);  // as typing into the window does
      continue;
    }
    if (action == Action::kSwap) {
      std::swap(form.Text3[kPriceBox].Text, form.Text3[kPaidBox].Text);
      continue;
    }
    if (action == Action::kTick) {
      CheckBox& box = form.Check1[byte / 7 % form.Check1.size()];
      box.Value = box.Value == 1 ? 0 : 1;
      continue;
    }
    if (action == Action::kTypeChange) {
      if (practising) form.Text3[kChangeBox].Text = typed_change;  // read-only otherwise
      continue;
    }
    const FormContent before = form;
    const std::int16_t index = action == Action::kClear   ? kClearButton
                               : action == Action::kEnter ? kEnterButton
                                                          : static_cast<std::int16_t>(byte * 257);
    if (practising) {
      const int answers_before = practice.answers();
      practice.Click(form, index);
      CheckPracticeClick(before, form, index, settings, currency, answers_before, practice);
    } else {
      Command1Click(form, index, settings, currency);
      CheckDemonstrationClick(before, form, index, settings, currency);
    }
  }
  return 0;
}
