// Conversions between the text in the window and the numbers the change logic
// computes with. Plain C++: no toolkit, no global locale; regional settings are
// passed in as a value.
#ifndef RESTOMER_CORE_CONVERSIONS_H_
#define RESTOMER_CORE_CONVERSIONS_H_

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace restomer {

// How the user's region writes numbers. The defaults are those of a system
// without regional settings (the C locale): "1,000.00", "-5.00", "0.50".
struct RegionalSettings {
  std::string decimal_separator = ".";
  std::string group_separator = ",";
  int group_size = 3;  // digits per group; 0 turns grouping off
  std::string negative_sign = "-";
  bool leading_zero = true;  // "0.50" rather than ".50"
};

// A value left the range a conversion can hold. It stops the computation of
// the current click; the caller decides how to tell the user.
class OverflowError : public std::range_error {
 public:
  using std::range_error::range_error;
};

// The leading number of `text`: blanks (space, tab) skipped, an optional sign,
// digits, an optional "." and more digits. "." is the only decimal separator
// whatever the region; reading stops at the first character that cannot
// continue the number ("25,18" is 25). No leading number gives 0. The result is
// the nearest double; a number too large for a double gives +/- infinity.
// Never fails.
double ParseAmount(std::string_view text);

// Exactly two decimals in the region's notation ("4.82", "1,000.00").
// The value is taken as a person reads it (to 15 significant digits, so the
// double nearest 25.185 is 25.185) and rounded half away from zero.
// Throws OverflowError for a value that is not finite.
std::string FormatAmount(double value, const RegionalSettings& settings);

// The shortest general form with at most 15 significant digits, without
// trailing zeros or a trailing separator ("0.1", "0.02", "2", "100"), in the
// region's decimal separator and negative sign, without grouping.
std::string NumberText(double value, const RegionalSettings& settings);

// Plain decimal digits ("2", "-7").
std::string IntegerText(std::int16_t value);

// Round to the nearest integer, ties to the even neighbour (481.5 -> 482,
// 482.5 -> 482). Throw OverflowError outside the target range or for NaN.
std::int32_t RoundToLong(double value);
std::int16_t RoundToInteger(double value);

// Exact when in the 16-bit range; throws OverflowError otherwise.
std::int16_t NarrowToInteger(std::int32_t value);

// a * b, throwing OverflowError when the product is not finite (an overflow
// or an invalid operation such as infinity times zero).
double CheckedMultiply(double a, double b);

}  // namespace restomer

#endif  // RESTOMER_CORE_CONVERSIONS_H_
