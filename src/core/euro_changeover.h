// The euro changeover in Bulgaria: leva into euro at the fixed rate, and
// the cash rounding some euro countries apply to a total paid in cash.
// Integer arithmetic on hundredths throughout, so that every amount has one
// answer on every computer.
#ifndef RESTOMER_CORE_EURO_CHANGEOVER_H_
#define RESTOMER_CORE_EURO_CHANGEOVER_H_

#include <cstdint>

namespace restomer {

// 1 € = 1,95583 лв.: the rate in hundred-thousandths of a lev.
inline constexpr std::int64_t kLevRateTimes100000 = 195583;

// The euro amount of `stotinki` at the fixed rate, to the cent, half a
// cent up (23,68 лв. → 12,11 €); and back, to the stotinka, half a stotinka
// up (500,00 € → 977,92 лв.). Amounts from 0 to 10^12 hundredths.
std::int64_t LevaToEuro(std::int64_t stotinki);
std::int64_t EuroToLeva(std::int64_t cents);

// How a country rounds a total paid in cash: not at all (Bulgaria keeps its
// 1- and 2-cent coins); to 5 cents the common way (1, 2 down to 0; 3, 4 up
// to 5; 6, 7 down to 5; 8, 9 up to 10); or Slovakia's (1 and 2 up to 5).
enum class CashRounding { kNone, kCommon, kSlovakia };

// The cash total of `cents` (not negative) under the rule.
std::int64_t RoundCashTotal(std::int64_t cents, CashRounding rounding);

}  // namespace restomer

#endif  // RESTOMER_CORE_EURO_CHANGEOVER_H_
