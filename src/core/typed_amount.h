// An amount as a learner types it, read exactly: the way to tell whether a
// typed answer is the change, to the last digit.
#ifndef RESTOMER_CORE_TYPED_AMOUNT_H_
#define RESTOMER_CORE_TYPED_AMOUNT_H_

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/conversions.h"

namespace restomer {

struct TypedAmount {
  // The whole text, blanks and the currency's unit around it aside, is one
  // amount: written plainly ("4.82", "4", "2997.00"), as the region writes
  // amounts ("4,82", "2 997,00" under Bulgarian settings, "2,997.00" under
  // the C locale), or with a decimal comma under any region where one or
  // two digits follow it at the end ("1,21", "4,5").
  bool is_amount = false;
  // Its value in hundredths when it is a whole number of them: "4.820" is
  // 482, while "4.815" has none. Empty too beyond 15 digits before the
  // decimal separator.
  std::optional<std::int64_t> hundredths;
};

// Reads `text` as a plain amount, in `settings`' notation, or with a decimal
// comma, whichever the whole text is, in that order: "1,210" is 1210 where
// the region groups with commas and 1.21 where it writes a decimal comma.
// A group separator that is a blank of any kind (space, no-break space,
// narrow no-break space) stands for all of them, so that what a user copies
// and what a user types read alike. Groups are of `settings.group_size`
// digits after a first one of up to as many. The text may end with `unit`
// (" лв.", " €"), its blank and its final dot optional: "4,82 лв", "4.82лв.".
TypedAmount ReadTypedAmount(std::string_view text, const RegionalSettings& settings,
                            std::string_view unit = {});

}  // namespace restomer

#endif  // RESTOMER_CORE_TYPED_AMOUNT_H_
