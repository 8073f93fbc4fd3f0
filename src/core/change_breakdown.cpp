#include "core/change_breakdown.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace restomer {
namespace {

double Denomination(const FormContent& form, int k) { return ParseAmount(form.Check1[k].Caption); }

}  // namespace

std::int32_t ChangeInHundredths(const FormContent& form) {
  const double price_hundredths = CheckedMultiply(ParseAmount(form.Text3[kPriceBox].Text), 100);
  const double paid_hundredths = CheckedMultiply(ParseAmount(form.Text3[kPaidBox].Text), 100);
  // Only the difference is rounded, so 25.185 -> 30 is 481.5 -> 482 hundredths.
  return RoundToLong(paid_hundredths - price_hundredths);
}

std::vector<Piece> BreakDownChange(FormContent& form, const RegionalSettings& settings,
                                   const Currency& currency) {
  const std::int32_t change = ChangeInHundredths(form);
  std::vector<std::int32_t> denominations;
  for (int k = 0; k < static_cast<int>(form.Check1.size()); ++k) {
    form.Check1[k].Value = 0;
    // 32 bits: 500 euro is 50,000 hundredths.
    denominations.push_back(RoundToLong(CheckedMultiply(Denomination(form, k), 100)));
  }
  const std::vector<std::int16_t> counts = GreedyCounts(change, denominations);
  std::vector<Piece> pieces;
  for (std::size_t k = 0; k < counts.size(); ++k) {
    if (counts[k] == 0) continue;
    form.Check1[k].Value = 1;
    pieces.push_back({form.Check1[k].Caption, counts[k]});
  }

  std::string trace;
  for (const std::string& line : CountUpLines(form, pieces, settings, currency)) {
    trace += line + "\r\n";
  }
  form.Text1[0].Text = std::move(trace);
  return pieces;
}

std::vector<std::int16_t> GreedyCounts(std::int32_t change,
                                       const std::vector<std::int32_t>& denominations) {
  std::int32_t Remainder = change;
  std::vector<std::int16_t> counts;
  // Largest denomination first: that is what makes the breakdown greedy.
  for (const std::int32_t d : denominations) {
    counts.push_back(0);
    if (Remainder >= d && d > 0) {  // d > 0: a caption of "0" must not divide by zero
      counts.back() = NarrowToInteger(Remainder / d);  // a count stays 16 bits
      Remainder %= d;
    }
  }
  return counts;
}

std::vector<std::string> CountUpLines(const FormContent& form, const std::vector<Piece>& pieces,
                                      const RegionalSettings& settings, const Currency& currency) {
  // Smallest denomination first: the seller counts up from the price.
  double RunningSum = ParseAmount(form.Text3[kPriceBox].Text);
  std::vector<std::string> lines;
  for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
    const double denomination = ParseAmount(piece->caption);
    const auto Count = static_cast<std::int16_t>(piece->count);
    lines.push_back("Към сумата: " + FormatAmount(RunningSum, settings) +
                    " добавям: " + IntegerText(Count) + "*" + NumberText(denomination, settings) +
                    std::string(currency.unit));
    RunningSum += CheckedMultiply(Count, denomination);
  }
  lines.push_back("Натрупаната сума е равна на " +
                  FormatAmount(ParseAmount(form.Text3[kPaidBox].Text), settings));
  return lines;
}

}  // namespace restomer
