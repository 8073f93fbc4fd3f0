#include "core/button_actions.h"

#include <cmath>
#include <utility>

#include "core/change_breakdown.h"

namespace restomer {

const char* const kUnderpaymentMessage = "Става дума за търговия, а не за филантропия!";
const char* const kTooLargeMessage =
    "Рестото е твърде голямо, за да бъде разбито на банкноти и монети.";

namespace {

ClickOutcome Enter(FormContent& form, const RegionalSettings& settings, const Currency& currency,
                   std::vector<Piece>* paid_out) {
  const double price = ParseAmount(form.Text3[kPriceBox].Text);
  const double paid = ParseAmount(form.Text3[kPaidBox].Text);
  if (paid < price) {
    form.Text1[0].Text = kUnderpaymentMessage;
    return ClickOutcome::kUnderpaid;
  }
  try {
    // The change is rounded to hundredths once, as the breakdown pays it out:
    // 30 - 25.175 is 482 hundredths in the box and in the ticks alike.
    form.Text3[kChangeBox].Text = FormatAmount(ChangeInHundredths(form) / 100.0, settings);
    std::vector<Piece> pieces = BreakDownChange(form, settings, currency);
    if (paid_out != nullptr) *paid_out = std::move(pieces);
    return ClickOutcome::kChangeShown;
  } catch (const OverflowError&) {
    // Show a change that is a finite amount, and clear the box otherwise
    // rather than leave an earlier click's change beside the new amounts.
    const double change = paid - price;
    form.Text3[kChangeBox].Text = std::isfinite(change) ? FormatAmount(change, settings) : "";
    for (CheckBox& box : form.Check1) box.Value = 0;
    form.Text1[0].Text = kTooLargeMessage;
    return ClickOutcome::kTooLarge;
  }
}

}  // namespace

ClickOutcome Command1Click(FormContent& form, std::int16_t Index, const RegionalSettings& settings,
                           const Currency& currency, std::vector<Piece>* paid_out) {
  switch (Index) {
    case kClearButton:
      ClearAmounts(form);
      form.Text1[0].Text.clear();
      return ClickOutcome::kCleared;
    case kEnterButton:
      return Enter(form, settings, currency, paid_out);
    default:
      return ClickOutcome::kNothing;
  }
}

void ClearAmounts(FormContent& form) {
  for (CheckBox& box : form.Check1) box.Value = 0;
  for (TextBox& box : form.Text3) box.Text.clear();
}

}  // namespace restomer
