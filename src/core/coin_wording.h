// The informatics questions answered in Bulgarian: how greedy and the
// fewest pay an amount, and whether greedy is always the fewest for a coin
// system.
#ifndef RESTOMER_CORE_COIN_WORDING_H_
#define RESTOMER_CORE_COIN_WORDING_H_

#include <cstdint>
#include <optional>
#include <string>

#include "core/coin_system.h"

namespace restomer {

// "1 бройка", "3 бройки".
std::string PiecesText(std::int64_t pieces);

// "6 = 4 + 1 + 1" as a sum of its coins; of more than ten pieces, as
// counts: "700 = 2 × 300 + 1 × 100".
std::string PaymentText(std::int64_t amount, const Payment& payment);

// Lines, each ending with "\n": the coins, greedy's way and the fewest for
// `amount`, and whether they differ and by how much.
std::string AmountAnswer(const Coins& coins, std::int64_t amount);

// Lines, each ending with "\n": the coins, and whether greedy always gives
// the fewest (proven, or checked up to a bound); where it does not, the
// smallest amount where it fails with both ways of paying it.
std::string SystemAnswer(const Coins& coins);

}  // namespace restomer

#endif  // RESTOMER_CORE_COIN_WORDING_H_
