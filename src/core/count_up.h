// The seller's count-up as data, and its words: from the price (or from 0),
// the smallest pieces first, one line a piece, closed by the sum reached.
// The demonstration writes its lines from the captions and the amounts it
// reads; everything else counts up whole numbers.
#ifndef RESTOMER_CORE_COUNT_UP_H_
#define RESTOMER_CORE_COUNT_UP_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/coin_system.h"

namespace restomer {

// One line of a count-up: the sum reached before it, and the count and
// value of the pieces added to it.
struct CountUpStep {
  std::int64_t sum;
  std::int64_t count;
  std::int64_t value;
};

// The count-up of `payment` from `start`, smallest value first.
std::vector<CountUpStep> CountUpOf(const Payment& payment, std::int64_t start = 0);

// "Към сумата: 25.18 добавям: 1*0.02 лв.": a line from its parts as written.
std::string CountUpLine(std::string_view sum, std::string_view count, std::string_view piece);
// "Натрупаната сума е равна на 30.00".
std::string ClosingLine(std::string_view sum);

}  // namespace restomer

#endif  // RESTOMER_CORE_COUNT_UP_H_
