// Amounts in hundredths as the program writes them for itself, the same
// under every locale.
#ifndef RESTOMER_CORE_AMOUNT_TEXT_H_
#define RESTOMER_CORE_AMOUNT_TEXT_H_

#include <cstdint>
#include <string>

namespace restomer {

// "25.18", "-0.05": how a task's amounts are written into the price and paid
// boxes, which read them back whatever the region, and into results files.
std::string AmountText(std::int64_t hundredths);

}  // namespace restomer

#endif  // RESTOMER_CORE_AMOUNT_TEXT_H_
