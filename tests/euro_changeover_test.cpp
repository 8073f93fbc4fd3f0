// Leva into euro and back at the fixed rate, and cash totals rounded to
// 5 cents by each country's rule.
#include "core/euro_changeover.h"

#include <gtest/gtest.h>

namespace restomer {
namespace {

// The nearest whole c to a / b by comparing c·b with a on both sides: how
// far each neighbour lies, and a tie taken up. Whether it was a tie.
struct Nearest {
  std::int64_t value;
  bool tie;
};
Nearest NearestTo(std::int64_t a, std::int64_t b) {
  const std::int64_t below = a / b;
  const std::int64_t to_below = a - below * b, to_above = (below + 1) * b - a;
  return {to_above <= to_below ? below + 1 : below, to_above == to_below};
}

TEST(EuroChangeover, EveryAmountTo10000LevaConvertsToTheNearestCent) {
  for (std::int64_t stotinki = 0; stotinki <= 1'000'000; ++stotinki) {
    const Nearest euro = NearestTo(stotinki * 100'000, 195'583);
    ASSERT_EQ(LevaToEuro(stotinki), euro.value) << stotinki;
    ASSERT_FALSE(euro.tie) << "195583 is odd: never half a cent, at " << stotinki;
  }
  for (std::int64_t cents = 0; cents <= 1'000'000; ++cents) {
    const Nearest leva = NearestTo(cents * 195'583, 100'000);
    ASSERT_EQ(EuroToLeva(cents), leva.value) << cents;
    // Half a stotinka exactly at the odd multiples of 500 €.
    ASSERT_EQ(leva.tie, cents % 50'000 == 0 && cents / 50'000 % 2 == 1) << cents;
  }
}

TEST(EuroChangeover, KnownPairsAndTheHalves) {
  const struct {
    std::int64_t leva, euro;
  } kLevaToEuro[] = {{196, 100}, {100, 51}, {10'000, 5'113}, {2'368, 1'211}, {0, 0}};
  for (const auto& pair : kLevaToEuro) EXPECT_EQ(LevaToEuro(pair.leva), pair.euro) << pair.leva;
  EXPECT_EQ(EuroToLeva(100), 196);
  EXPECT_EQ(EuroToLeva(50'000), 97'792) << "977,915 лв. is half a stotinka: up";
  EXPECT_EQ(EuroToLeva(150'000), 293'375) << "2933,745 лв.: up";
  EXPECT_EQ(EuroToLeva(100'000), 195'583);
}

TEST(EuroChangeover, CashTotalsRoundedByEachRule) {
  // The total 12,30 € plus each ending 0 to 9, as each rule rounds it.
  const std::int64_t kCommon[] = {0, 0, 0, 5, 5, 5, 5, 5, 10, 10};
  const std::int64_t kSlovakia[] = {0, 5, 5, 5, 5, 5, 5, 5, 10, 10};
  for (std::int64_t ending = 0; ending <= 9; ++ending) {
    SCOPED_TRACE(ending);
    EXPECT_EQ(RoundCashTotal(1230 + ending, CashRounding::kNone), 1230 + ending);
    EXPECT_EQ(RoundCashTotal(1230 + ending, CashRounding::kCommon), 1230 + kCommon[ending]);
    EXPECT_EQ(RoundCashTotal(1230 + ending, CashRounding::kSlovakia), 1230 + kSlovakia[ending]);
  }
  // The change is counted from the rounded total: 20 € for 12,33 €.
  EXPECT_EQ(2000 - RoundCashTotal(1233, CashRounding::kCommon), 765);
}

}  // namespace
}  // namespace restomer
