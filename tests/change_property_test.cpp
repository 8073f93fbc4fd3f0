// Every change from 0 to 10,000.00 in each currency, checked against an
// independent fewest-pieces count and against the count-up arithmetic; the
// pieces the breakdown returns are the ones it ticked and counted up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/coin_system.h"
#include "core/conversions.h"
#include "form_test_support.h"

namespace restomer {
namespace {

using ::restomer::testing::TraceLines;

constexpr std::int32_t kLargestChange = 1'000'000;  // hundredths

std::string HundredthsText(std::int64_t hundredths) {
  const std::string cents = std::to_string(hundredths % 100);
  return std::to_string(hundredths / 100) + "." + (cents.size() < 2 ? "0" : "") + cents;
}

// An amount as the trace writes it ("1,000.00", "0.1") back in hundredths.
std::int64_t TextHundredths(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ','), text.end());
  return std::llround(ParseAmount(text) * 100);
}

// Fewest pieces for every amount up to `largest`, by dynamic programming.
std::vector<std::int32_t> FewestPieces(const std::vector<std::int32_t>& denominations,
                                       std::int32_t largest) {
  std::vector<std::int32_t> fewest(largest + 1, 0);
  for (std::int32_t amount = 1; amount <= largest; ++amount) {
    std::int32_t best = INT32_MAX;
    for (std::int32_t d : denominations) {
      if (d <= amount) best = std::min(best, fewest[amount - d] + 1);
    }
    fewest[amount] = best;
  }
  return fewest;
}

void CheckEveryChange(const Currency& currency) {
  const FormContent start = StartUpContent(currency);
  std::vector<std::int32_t> denominations;
  for (const CheckBox& box : start.Check1) {
    denominations.push_back(static_cast<std::int32_t>(TextHundredths(box.Caption)));
  }
  const std::vector<std::int32_t> fewest = FewestPieces(denominations, kLargestChange);
  const Coins coins = DenominationsOf(currency);

  const std::string count_up = "Към сумата: ";
  const std::string adding = " добавям: ";
  const std::string closing = "Натрупаната сума е равна на ";
  FormContent form = start;
  for (std::int32_t change = 0; change <= kLargestChange; ++change) {
    const std::int64_t price = (change * 7919LL) % 100'000;  // a varied price
    form.Text3[kPriceBox].Text = HundredthsText(price);
    form.Text3[kPaidBox].Text = HundredthsText(price + change);
    std::vector<Piece> returned;
    Command1Click(form, kEnterButton, {}, currency, &returned);
    SCOPED_TRACE(form.Text3[kPriceBox].Text + " -> " + form.Text3[kPaidBox].Text);

    ASSERT_EQ(TextHundredths(form.Text3[kChangeBox].Text), change);
    const std::vector<std::string> lines = TraceLines(form);
    std::int64_t running = price;
    std::int64_t paid_out = 0;
    std::int32_t pieces = 0;
    std::size_t line = 0;
    std::vector<Piece> counted;  // smallest first, as the count-up goes
    for (int k = static_cast<int>(form.Check1.size()) - 1; k >= 0; --k) {
      if (form.Check1[k].Value == 0) continue;
      ASSERT_EQ(form.Check1[k].Value, 1);
      ASSERT_LT(line, lines.size());
      const std::string& text = lines[line++];
      const std::size_t at_adding = text.find(adding);
      const std::size_t at_star = text.find('*');
      ASSERT_EQ(text.rfind(count_up, 0), 0u) << text;
      ASSERT_NE(at_star, std::string::npos) << text;
      ASSERT_EQ(text.substr(at_star + 1),
                NumberText(ParseAmount(form.Check1[k].Caption), {}) + std::string(currency.unit));
      ASSERT_EQ(TextHundredths(text.substr(count_up.size(), at_adding - count_up.size())), running);
      const int count = std::stoi(text.substr(at_adding + adding.size()));
      ASSERT_GE(count, 1);
      running += std::int64_t{count} * denominations[k];
      paid_out += std::int64_t{count} * denominations[k];
      pieces += count;
      counted.push_back({form.Check1[k].Caption, count});
    }
    // The pieces the breakdown returns are those it ticked and counted up.
    ASSERT_TRUE(std::equal(counted.rbegin(), counted.rend(), returned.begin(), returned.end()));
    ASSERT_EQ(lines.size(), line + 1);
    ASSERT_EQ(lines.back(), closing + FormatAmount(static_cast<double>(price + change) / 100, {}));
    ASSERT_EQ(running, price + change);
    ASSERT_EQ(paid_out, change);
    ASSERT_EQ(pieces, fewest[change]);
    // The greedy that practice, the results and coin systems use pays the
    // change with the fewest pieces too.
    const std::optional<Payment> greedy = Greedy(coins, change);
    ASSERT_TRUE(greedy.has_value());
    ASSERT_EQ(greedy->Pieces(), fewest[change]);
  }
}

// The demonstration reads its denominations from the captions at every
// click; everything else takes them from the table in hundredths.
TEST(ChangeProperty, TheCaptionsAreTheTablesDenominations) {
  for (const Currency* currency : Currencies()) {
    SCOPED_TRACE(std::string(currency->name));
    const FormContent form = StartUpContent(*currency);
    ASSERT_EQ(form.Check1.size(), currency->hundredths.size());
    for (std::size_t k = 0; k < form.Check1.size(); ++k) {
      EXPECT_EQ(RoundToLong(ParseAmount(form.Check1[k].Caption) * 100), currency->hundredths[k]);
    }
  }
}

TEST(ChangeProperty, FewestPiecesAndAnExactCountUp) { CheckEveryChange(kLev); }

TEST(ChangeProperty, FewestPiecesAndAnExactCountUpInEuro) { CheckEveryChange(kEuro); }

}  // namespace
}  // namespace restomer
