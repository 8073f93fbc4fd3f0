#include "core/typed_amount.h"

#include <iterator>
#include <string>
#include <vector>

namespace restomer {
namespace {

constexpr std::string_view kBlanks[] = {" ", "\u00a0", "\u202f"};

struct Decimal {
  bool negative = false;
  std::string integer;   // digits, possibly none
  std::string fraction;  // digits, possibly none
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(std::string_view separator) {
  for (std::string_view blank : kBlanks) {
    if (separator == blank) return true;
  }
  return false;
}

// Removes `prefix` from the front of `text` when it is there.
bool Consume(std::string_view& text, std::string_view prefix) {
  if (prefix.empty() || !text.starts_with(prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

std::string_view TakeDigits(std::string_view& text) {
  std::size_t n = 0;
  while (n < text.size() && IsDigit(text[n])) ++n;
  const std::string_view digits = text.substr(0, n);
  text.remove_prefix(n);
  return digits;
}

// The whole of `text` as one number with that decimal separator and those
// group separators (none: digits are not grouped), or nothing.
std::optional<Decimal> ReadNotation(std::string_view text, std::string_view negative_sign,
                                    std::string_view decimal_separator,
                                    const std::vector<std::string_view>& group_separators,
                                    std::size_t group_size) {
  Decimal number;
  number.negative = Consume(text, "-") || Consume(text, negative_sign);
  if (!number.negative) Consume(text, "+");
  number.integer = TakeDigits(text);
  const bool grouped = !number.integer.empty() && number.integer.size() <= group_size;
  for (bool more = grouped; more;) {
    more = false;
    for (std::string_view separator : group_separators) {
      std::string_view rest = text;
      if (!Consume(rest, separator)) continue;
      const std::string_view group = TakeDigits(rest);
      if (group.size() != group_size) return std::nullopt;
      number.integer += group;
      text = rest;
      more = true;
      break;
    }
  }
  if (Consume(text, decimal_separator)) number.fraction = TakeDigits(text);
  if (!text.empty() || (number.integer.empty() && number.fraction.empty())) return std::nullopt;
  return number;
}

std::optional<std::int64_t> Hundredths(Decimal number) {
  while (!number.fraction.empty() && number.fraction.back() == '0') number.fraction.pop_back();
  if (number.fraction.size() > 2) return std::nullopt;
  number.fraction.resize(2, '0');
  const std::size_t first = number.integer.find_first_not_of('0');
  number.integer.erase(0, first == std::string::npos ? number.integer.size() : first);
  if (number.integer.size() > 15) return std::nullopt;
  const std::int64_t hundredths = std::stoll(number.integer + number.fraction);
  return number.negative ? -hundredths : hundredths;
}

// Without the blanks of any kind around it.
std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kAround[] = {" ", "\t", "\u00a0", "\u202f"};
  bool trimmed = true;
  while (trimmed) {
    trimmed = false;
    for (std::string_view blank : kAround) {
      if (text.starts_with(blank)) {
        text.remove_prefix(blank.size());
        trimmed = true;
      }
      if (text.ends_with(blank)) {
        text.remove_suffix(blank.size());
        trimmed = true;
      }
    }
  }
  return text;
}

// `text` without `unit` at its end, in any of the ways a pupil writes it.
std::string_view WithoutUnit(std::string_view text, std::string_view unit) {
  unit = Trimmed(unit);
  if (unit.empty()) return text;
  if (text.ends_with(unit)) return Trimmed(text.substr(0, text.size() - unit.size()));
  if (unit.ends_with('.')) unit.remove_suffix(1);
  if (!unit.empty() && text.ends_with(unit)) {
    return Trimmed(text.substr(0, text.size() - unit.size()));
  }
  return text;
}

}  // namespace

TypedAmount ReadTypedAmount(std::string_view text, const RegionalSettings& settings,
                            std::string_view unit) {
  text = WithoutUnit(Trimmed(text), unit);
  std::optional<Decimal> number = ReadNotation(text, settings.negative_sign, ".", {}, 0);
  if (!number && settings.group_size > 0) {
    std::vector<std::string_view> separators = {settings.group_separator};
    if (IsBlank(settings.group_separator))
      separators.assign(std::begin(kBlanks), std::end(kBlanks));
    number = ReadNotation(text, settings.negative_sign, settings.decimal_separator, separators,
                          static_cast<std::size_t>(settings.group_size));
  } else if (!number) {
    number = ReadNotation(text, settings.negative_sign, settings.decimal_separator, {}, 0);
  }
  if (!number) {
    // A decimal comma where the region writes a point: what a Bulgarian
    // pupil types on a computer with English settings.
    std::optional<Decimal> comma = ReadNotation(text, settings.negative_sign, ",", {}, 0);
    if (comma && !comma->fraction.empty() && comma->fraction.size() <= 2) number = std::move(comma);
  }
  if (!number) return {};
  return {true, Hundredths(*std::move(number))};
}

}  // namespace restomer
