#include "core/euro_changeover.h"

namespace restomer {
namespace {

// The 100 000ths of a lev in a euro, and in a hundredth.
constexpr std::int64_t kRate = kLevRateTimes100000;
constexpr std::int64_t kScale = 100'000;

// numerator / denominator to the nearest whole number, half up; both
// non-negative.
std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator) {
  return (2 * numerator + denominator) / (2 * denominator);
}

}  // namespace

std::int64_t LevaToEuro(std::int64_t stotinki) { return RoundedQuotient(stotinki * kScale, kRate); }

std::int64_t EuroToLeva(std::int64_t cents) { return RoundedQuotient(cents * kRate, kScale); }

std::int64_t RoundCashTotal(std::int64_t cents, CashRounding rounding) {
  if (rounding == CashRounding::kNone) return cents;
  const std::int64_t ending = cents % 5;  // within its five: 0 to 4
  const std::int64_t down = cents - ending;
  // 1, 2 (and 6, 7) down, 3, 4 (and 8, 9) up; Slovakia takes 1 and 2 up.
  const bool up =
      ending >= 3 || (rounding == CashRounding::kSlovakia && cents % 10 >= 1 && cents % 10 <= 2);
  return ending == 0 ? cents : up ? down + 5 : down;
}

}  // namespace restomer
