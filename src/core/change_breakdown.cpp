#include "core/change_breakdown.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/count_up.h"

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
  std::int32_t Remainder = ChangeInHundredths(form);
  std::vector<Piece> pieces;
  // Largest denomination first: that is what makes the breakdown greedy.
  for (int k = 0; k < static_cast<int>(form.Check1.size()); ++k) {
    form.Check1[k].Value = 0;
    // 32 bits: 500 euro is 50,000 hundredths.
    const std::int32_t d = RoundToLong(CheckedMultiply(Denomination(form, k), 100));
    if (Remainder >= d && d > 0) {  // d > 0: a caption of "0" must not divide by zero
      const std::int16_t Count = NarrowToInteger(Remainder / d);  // a count stays 16 bits
      form.Check1[k].Value = 1;
      pieces.push_back({form.Check1[k].Caption, Count});
      Remainder %= d;
    }
  }

  std::string trace;
  for (const std::string& line : CountUpLines(form, pieces, settings, currency)) {
    trace += line + "\r\n";
  }
  form.Text1[0].Text = std::move(trace);
  return pieces;
}

std::vector<std::string> CountUpLines(const FormContent& form, const std::vector<Piece>& pieces,
                                      const RegionalSettings& settings, const Currency& currency) {
  // Smallest denomination first: the seller counts up from the price.
  double RunningSum = ParseAmount(form.Text3[kPriceBox].Text);
  std::vector<std::string> lines;
  for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
    const double denomination = ParseAmount(piece->caption);
    const auto Count = static_cast<std::int16_t>(piece->count);
    lines.push_back(CountUpLine(FormatAmount(RunningSum, settings), IntegerText(Count),
                                NumberText(denomination, settings) + std::string(currency.unit)));
    RunningSum += CheckedMultiply(Count, denomination);
  }
  lines.push_back(ClosingLine(FormatAmount(ParseAmount(form.Text3[kPaidBox].Text), settings)));
  return lines;
}

}  // namespace restomer
