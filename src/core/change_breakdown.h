// The greedy breakdown of the change and the seller's count-up trace.
#ifndef RESTOMER_CORE_CHANGE_BREAKDOWN_H_
#define RESTOMER_CORE_CHANGE_BREAKDOWN_H_

#include <cstdint>

#include "core/conversions.h"
#include "core/currency.h"
#include "core/form_content.h"
#include "core/pieces.h"

namespace restomer {

// Reads the price and paid amounts and the denomination captions, ticks the
// denominations of the fewest-pieces breakdown of the change (largest first)
// and rewrites the trace box with the count-up from the price, smallest
// denomination first, closed by the paid amount. Call only when paid >= price.
// Every count-up line ends in the currency's unit. Returns the pieces it
// ticked, largest first, with their counts. Throws OverflowError when the
// change is too large to break down (a count of one denomination beyond
// 32767); the ticks may then be partly reset, and the trace box is left as it
// was.
std::vector<Piece> BreakDownChange(FormContent& form, const RegionalSettings& settings,
                                   const Currency& currency = kLev);

// The count-up of `pieces` (largest first, as BreakDownChange returns them)
// from the price box's amount: one line a denomination, smallest first,
// closed by the paid amount; without line ends.
std::vector<std::string> CountUpLines(const FormContent& form, const std::vector<Piece>& pieces,
                                      const RegionalSettings& settings,
                                      const Currency& currency = kLev);

// The change the price and paid boxes define, in hundredths: the amounts are
// scaled and only their difference is rounded, ties to even. Throws
// OverflowError when it leaves the 32-bit range or an amount is not finite.
std::int32_t ChangeInHundredths(const FormContent& form);

}  // namespace restomer

#endif  // RESTOMER_CORE_CHANGE_BREAKDOWN_H_
