#include "core/amount_words.h"

#include <vector>

namespace restomer {
namespace {

using Gender = UnitWords::Gender;

constexpr const char* kUnits[] = {"",    "един", "два",   "три",  "четири",
                                  "пет", "шест", "седем", "осем", "девет"};
constexpr const char* kTeens[] = {"десет",         "единадесет",  "дванадесет",  "тринадесет",
                                  "четиринадесет", "петнадесет",  "шестнадесет", "седемнадесет",
                                  "осемнадесет",   "деветнадесет"};
constexpr const char* kTens[] = {"",         "",          "двадесет",   "тридесет",  "четиридесет",
                                 "петдесет", "шестдесет", "седемдесет", "осемдесет", "деветдесет"};
constexpr const char* kHundreds[] = {
    "",          "сто",        "двеста",      "триста",     "четиристотин",
    "петстотин", "шестстотин", "седемстотин", "осемстотин", "деветстотин"};

// "един", "една", "едно"; "два", "две", "две"; any other unit as it is.
std::string Unit(std::int64_t unit, Gender gender) {
  if (gender == Gender::kMasculine || unit > 2) return kUnits[unit];
  if (unit == 1) return gender == Gender::kFeminine ? "една" : "едно";
  return "две";
}

// The parts of a number under 1000 that are said: hundreds, tens, units
// (or a number from 10 to 19 as one).
void AddPartsUnder1000(std::int64_t number, Gender gender, std::vector<std::string>& parts) {
  if (number >= 100) parts.emplace_back(kHundreds[number / 100]);
  const std::int64_t tens = number / 10 % 10, unit = number % 10;
  if (tens == 1) {
    parts.emplace_back(kTeens[unit]);
    return;
  }
  if (tens > 1) parts.emplace_back(kTens[tens]);
  if (unit > 0) parts.push_back(Unit(unit, gender));
}

// "и" joins the last part said to the ones before it: "сто и два",
// "сто двадесет и два", "хиляда и сто".
std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += i + 1 == parts.size() ? " и " : " ";
    text += parts[i];
  }
  return text;
}

std::string Counted(std::int64_t count, const UnitWords& unit) {
  return NumberInWords(count, unit.gender) + " " + (count == 1 ? unit.one : unit.many);
}

}  // namespace

std::string NumberInWords(std::int64_t number, Gender gender) {
  if (number == 0) return "нула";
  std::vector<std::string> parts;
  const std::int64_t thousands = number / 1000;
  if (thousands == 1) parts.emplace_back("хиляда");
  if (thousands > 1) parts.push_back(NumberInWords(thousands, Gender::kFeminine) + " хиляди");
  AddPartsUnder1000(number % 1000, gender, parts);
  return Joined(parts);
}

std::string AmountInWords(std::int64_t hundredths, const Currency& currency) {
  const std::int64_t whole = hundredths / 100, part = hundredths % 100;
  if (part == 0) return Counted(whole, currency.whole_unit);
  if (whole == 0) return Counted(part, currency.hundredth);
  return Counted(whole, currency.whole_unit) + " и " + Counted(part, currency.hundredth);
}

}  // namespace restomer
