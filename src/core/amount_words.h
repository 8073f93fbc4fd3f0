// Amounts in Bulgarian words, as a voice should read them and as a pupil
// who reads words before numbers sees them: "два лева и двадесет стотинки".
#ifndef RESTOMER_CORE_AMOUNT_WORDS_H_
#define RESTOMER_CORE_AMOUNT_WORDS_H_

#include <cstdint>
#include <string>

#include "core/currency.h"

namespace restomer {

// A whole number from 0 to 999 999 in words, in the gender of what it
// counts: "двадесет и една", "сто и дванадесет", "хиляда".
std::string NumberInWords(std::int64_t number, UnitWords::Gender gender);

// "един лев и една стотинка", "две евро и двадесет и един евроцента",
// "петдесет стотинки", "нула лева". `hundredths` from 0 to 99 999 999.
std::string AmountInWords(std::int64_t hundredths, const Currency& currency);

}  // namespace restomer

#endif  // RESTOMER_CORE_AMOUNT_WORDS_H_
