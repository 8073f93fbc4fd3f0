#include "core/conversions.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace restomer {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Adds one to a string of decimal digits ("199" -> "200", "99" -> "100").
void IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

// The digits of round(|value| * 100), rounded half away from zero after the
// value has been read to 15 significant digits. `value` must be finite.
std::string HundredthsDigits(double value) {
  constexpr int kSignificantDigits = 15;
  char buffer[32];
  // "d.dddddddddddddde+XX": the mantissa digits and a decimal exponent.
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view text(buffer, result.ptr - buffer);
  const std::size_t e = text.find('e');
  std::string digits;
  digits += text[0];
  digits.append(text.substr(2, e - 2));
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                  exponent);

  // |value| * 100 = digits * 10^(exponent - 12).
  const int shift = exponent - (kSignificantDigits - 3);
  if (shift >= 0) return digits + std::string(shift, '0');
  const int dropped = -shift;
  if (dropped > kSignificantDigits) return "0";
  std::string kept = digits.substr(0, kSignificantDigits - dropped);
  if (kept.empty()) kept = "0";
  if (digits[kSignificantDigits - dropped] >= '5') IncrementDigits(kept);
  return kept;
}

std::string GroupDigits(const std::string& digits, const RegionalSettings& settings) {
  if (settings.group_size <= 0) return digits;
  const std::size_t size = static_cast<std::size_t>(settings.group_size);
  std::string grouped;
  const std::size_t first = digits.size() % size == 0 ? size : digits.size() % size;
  grouped.append(digits, 0, first);
  for (std::size_t i = first; i < digits.size(); i += size) {
    grouped += settings.group_separator;
    grouped.append(digits, i, size);
  }
  return grouped;
}

template <typename Int>
Int RoundHalfToEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;  // exact for finite doubles
  double rounded = floor;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded = floor + 1.0;
  // Written so that NaN and infinities fail the test too.
  if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
    throw OverflowError("number out of range");
  }
  return static_cast<Int>(rounded);
}

}  // namespace

double ParseAmount(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t start = i;
  bool nonzero_integer_part = false;
  while (i < text.size() && IsDigit(text[i])) nonzero_integer_part |= text[i++] != '0';
  bool has_digits = i > start;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction_start = ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    has_digits |= i > fraction_start;
  }
  if (!has_digits) return 0.0;

  double magnitude = 0.0;
  const auto result =
      std::from_chars(text.data() + start, text.data() + i, magnitude, std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) {
    // Without an exponent only a long integer part can overflow; anything else
    // is a fraction too small for a double.
    magnitude = nonzero_integer_part ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -magnitude : magnitude;
}

std::string FormatAmount(double value, const RegionalSettings& settings) {
  if (!std::isfinite(value)) throw OverflowError("amount is not a finite number");
  std::string digits = HundredthsDigits(value);
  const std::size_t first_nonzero = digits.find_first_not_of('0');
  const bool is_zero = first_nonzero == std::string::npos;
  digits.erase(0, is_zero ? digits.size() : first_nonzero);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');

  std::string integer_part = digits.substr(0, digits.size() - 2);
  std::string text;
  if (value < 0 && !is_zero) text = settings.negative_sign;
  if (integer_part != "0" || settings.leading_zero) text += GroupDigits(integer_part, settings);
  text += settings.decimal_separator;
  text.append(digits, digits.size() - 2, 2);
  return text;
}

std::string NumberText(double value, const RegionalSettings& settings) {
  if (!std::isfinite(value)) throw OverflowError("number is not finite");
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value == 0.0 ? 0.0 : value,
                                    std::chars_format::general, 15);
  std::string text;
  for (const char* p = buffer; p != result.ptr; ++p) {
    if (*p == '-' && p == buffer) {
      text += settings.negative_sign;
    } else if (*p == '.') {
      text += settings.decimal_separator;
    } else if (*p == 'e') {
      text += 'E';
    } else {
      text += *p;
    }
  }
  return text;
}

std::string IntegerText(std::int16_t value) { return std::to_string(value); }

std::int32_t RoundToLong(double value) { return RoundHalfToEven<std::int32_t>(value); }

std::int16_t RoundToInteger(double value) { return RoundHalfToEven<std::int16_t>(value); }

std::int16_t NarrowToInteger(std::int32_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw OverflowError("number out of range");
  }
  return static_cast<std::int16_t>(value);
}

double CheckedMultiply(double a, double b) {
  const double product = a * b;
  if (!std::isfinite(product)) throw OverflowError("product is not finite");
  return product;
}

}  // namespace restomer
