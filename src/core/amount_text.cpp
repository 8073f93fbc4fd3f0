#include "core/amount_text.h"

namespace restomer {

std::string AmountText(std::int64_t hundredths) {
  const std::uint64_t magnitude =
      hundredths < 0 ? 0 - static_cast<std::uint64_t>(hundredths) : hundredths;
  const std::string cents = std::to_string(magnitude % 100);
  return (hundredths < 0 ? "-" : "") + std::to_string(magnitude / 100) +
         (cents.size() < 2 ? ".0" : ".") + cents;
}

}  // namespace restomer
