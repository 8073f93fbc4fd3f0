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

void BreakDownChange(FormContent& form, const RegionalSettings& settings,
                     const Currency& currency) {
  std::int32_t Remainder = ChangeInHundredths(form);

  // Largest denomination first: that is what makes the breakdown greedy.
  const int denominations = static_cast<int>(form.Check1.size());
  std::vector<std::int16_t> Counts(denominations);
  for (int k = 0; k < denominations; ++k) {
    form.Check1[k].Value = 0;
    // 32 bits: 500 euro is 50,000 hundredths. A count stays 16 bits.
    const std::int32_t d = RoundToLong(CheckedMultiply(Denomination(form, k), 100));
    if (Remainder >= d && d > 0) {  // d > 0: a caption of "0" must not divide by zero
      form.Check1[k].Value = 1;
      Counts[k] = NarrowToInteger(Remainder / d);
      Remainder %= d;
    }
  }

  // Smallest denomination first: the seller counts up from the price.
  double RunningSum = ParseAmount(form.Text3[kPriceBox].Text);
  std::string trace;
  for (int k = denominations - 1; k >= 0; --k) {
    if (form.Check1[k].Value != 1) continue;
    const double denomination = Denomination(form, k);
    trace += "Към сумата: " + FormatAmount(RunningSum, settings) +
             " добавям: " + IntegerText(Counts[k]) + "*" + NumberText(denomination, settings) +
             std::string(currency.unit) + "\r\n";
    RunningSum += CheckedMultiply(Counts[k], denomination);
  }
  trace += "Натрупаната сума е равна на " +
           FormatAmount(ParseAmount(form.Text3[kPaidBox].Text), settings) + "\r\n";
  form.Text1[0].Text = std::move(trace);
}

}  // namespace restomer
