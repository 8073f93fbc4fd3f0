// What the two buttons do: "Чисти" clears, "Въведи" computes the change.
#ifndef RESTOMER_CORE_BUTTON_ACTIONS_H_
#define RESTOMER_CORE_BUTTON_ACTIONS_H_

#include <cstdint>
#include <vector>

#include "core/conversions.h"
#include "core/currency.h"
#include "core/form_content.h"
#include "core/pieces.h"

namespace restomer {

// Shown in the trace box when the customer paid less than the price.
extern const char* const kUnderpaymentMessage;
// Shown in the trace box when the change cannot be broken down (more than
// 32767 pieces of the largest denomination: 3,276,800.00 lev or
// 16,384,000.00 euro or more; or an amount is not a finite number).
extern const char* const kTooLargeMessage;

// What a click did.
enum class ClickOutcome {
  kNothing,      // an index that is no button
  kCleared,      // "Чисти"
  kChangeShown,  // the change, its breakdown and the count-up
  kUnderpaid,    // kUnderpaymentMessage
  kTooLarge,     // kTooLargeMessage
};

// The click of button `Index` of Command1: kClearButton or kEnterButton; any
// other index does nothing. The change box shows the change in the hundredths
// the breakdown pays out, so the two always agree. Never throws: a change too large to break down
// ends the click with kTooLargeMessage in the trace box, no denomination
// ticked, the amounts typed left as they are and the change box showing the
// change only if it is a finite amount. The count-up is written in
// `currency`'s unit; the denominations are the captions `form` holds. When
// the change is shown, `paid_out` (if given) receives its pieces.
ClickOutcome Command1Click(FormContent& form, std::int16_t Index, const RegionalSettings& settings,
                           const Currency& currency = kLev, std::vector<Piece>* paid_out = nullptr);

// Unticks every denomination and empties the three amount boxes.
void ClearAmounts(FormContent& form);

}  // namespace restomer

#endif  // RESTOMER_CORE_BUTTON_ACTIONS_H_
