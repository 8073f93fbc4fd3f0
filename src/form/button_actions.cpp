#include "form/button_actions.h"

#include <cmath>

#include "form/change_breakdown.h"

namespace restomer {

const char* const kUnderpaymentMessage = "Става дума за търговия, а не за филантропия!";
const char* const kTooLargeMessage =
    "Рестото е твърде голямо, за да бъде разбито на банкноти и монети.";

namespace {

void Enter(FormContent& form, const RegionalSettings& settings, const Currency& currency) {
  const double price = ParseAmount(form.Text3[kPriceBox].Text);
  const double paid = ParseAmount(form.Text3[kPaidBox].Text);
  if (paid < price) {
    form.Text1[0].Text = kUnderpaymentMessage;
    return;
  }
  try {
    form.Text3[kChangeBox].Text = FormatAmount(paid - price, settings);
    BreakDownChange(form, settings, currency);
  } catch (const OverflowError&) {
    // A change that is not finite could not be written: clear the box rather
    // than leave an earlier click's change beside the new amounts.
    if (!std::isfinite(paid - price)) form.Text3[kChangeBox].Text.clear();
    for (CheckBox& box : form.Check1) box.Value = 0;
    form.Text1[0].Text = kTooLargeMessage;
  }
}

}  // namespace

void Command1Click(FormContent& form, std::int16_t Index, const RegionalSettings& settings,
                   const Currency& currency) {
  switch (Index) {
    case kClearButton:
      ClearAmounts(form);
      form.Text1[0].Text.clear();
      break;
    case kEnterButton:
      Enter(form, settings, currency);
      break;
    default:
      break;
  }
}

void ClearAmounts(FormContent& form) {
  for (CheckBox& box : form.Check1) box.Value = 0;
  for (TextBox& box : form.Text3) box.Text.clear();
}

}  // namespace restomer
