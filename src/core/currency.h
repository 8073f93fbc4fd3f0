// The sets of banknotes and coins the window can show. A currency is data the
// same logic and the same window read: a further set costs one more table.
#ifndef RESTOMER_CORE_CURRENCY_H_
#define RESTOMER_CORE_CURRENCY_H_

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace restomer {

// A unit as amounts in words name it: "лев", "лева", masculine.
struct UnitWords {
  enum class Gender { kMasculine, kFeminine, kNeuter };
  const char* one;   // after "един", "една", "едно"
  const char* many;  // after any other number
  Gender gender;
};

struct Currency {
  // How the command line names it: "lev", "euro".
  std::string_view name;
  // The captions of the denomination boxes, largest first. The demonstration
  // reads its values back from the boxes at every click.
  std::span<const char* const> captions;
  // The same denominations in hundredths, for everything else: practice, the
  // results, the overview and coin systems.
  std::span<const std::int64_t> hundredths;
  // How many of them, from the largest, the first column of the frame holds;
  // the rest go to the second column.
  int first_column_size;
  // Ends every count-up line: " лв.", " €".
  std::string_view unit;
  // The trace box's text at start.
  const char* task_statement;
  // How a worksheet names it: "лев", "евро".
  std::string_view bulgarian_name;
  // The whole unit and its hundredth, in words: "лев" and "стотинка".
  UnitWords whole_unit;
  UnitWords hundredth;
};

// The Bulgarian lev, 100 down to 0.01: the default.
extern const Currency kLev;
// How many denominations the lev has.
inline constexpr int kDenominationCount = 13;

// The trace box's text at start in lev: the task the program was written for.
extern const char* const kTaskStatement;

// The euro, 500 down to 0.01: Bulgaria's currency since 1 January 2026.
extern const Currency kEuro;

// Every currency the program offers, the default first.
std::span<const Currency* const> Currencies();

// The denominations in hundredths as a coin system, largest first.
std::vector<std::int64_t> DenominationsOf(const Currency& currency);

// The currency of that name, or nullptr.
const Currency* FindCurrency(std::string_view name);

// Their names, for a message: "lev или euro".
std::string CurrencyNames();

}  // namespace restomer

#endif  // RESTOMER_CORE_CURRENCY_H_
