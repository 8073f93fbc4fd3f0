#include "core/amount_words.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <vector>

namespace restomer {
namespace {

TEST(AmountWords, HardCasesInEachUnitsGender) {
  const struct {
    std::int64_t hundredths;
    const Currency* currency;
    const char* words;
  } kCases[] = {
      {101, &kLev, "един лев и една стотинка"},
      {220, &kLev, "два лева и двадесет стотинки"},
      {1100, &kLev, "единадесет лева"},
      {1212, &kLev, "дванадесет лева и дванадесет стотинки"},
      {2121, &kLev, "двадесет и един лева и двадесет и една стотинки"},
      {10000, &kLev, "сто лева"},
      {10100, &kLev, "сто и един лева"},
      {11200, &kLev, "сто и дванадесет лева"},
      {20000, &kLev, "двеста лева"},
      {12502, &kLev, "сто двадесет и пет лева и две стотинки"},
      {100000, &kLev, "хиляда лева"},
      {0, &kLev, "нула лева"},
      {1, &kLev, "една стотинка"},
      {100, &kEuro, "едно евро"},
      {221, &kEuro, "две евро и двадесет и един евроцента"},
      {11200, &kEuro, "сто и дванадесет евро"},
      {2100, &kEuro, "двадесет и едно евро"},
      {10001, &kEuro, "сто евро и един евроцент"},
      {1102, &kEuro, "единадесет евро и два евроцента"},
      {100000, &kEuro, "хиляда евро"},
      {1220, &kEuro, "дванадесет евро и двадесет евроцента"},
      {10111, &kEuro, "сто и едно евро и единадесет евроцента"},
      {20012, &kEuro, "двеста евро и дванадесет евроцента"},
      {2011, &kLev, "двадесет лева и единадесет стотинки"},
      {110000, &kEuro, "хиляда и сто евро"},
      {112000, &kEuro, "хиляда сто и двадесет евро"},
      {200100, &kEuro, "две хиляди и едно евро"},
      {2150000, &kEuro, "двадесет и една хиляди и петстотин евро"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(AmountInWords(c.hundredths, *c.currency), c.words) << c.hundredths;
  }
}

// Reads a number said in words back, its own way: each word's value, "и"
// allowed only before the last part said, "хиляда"/"хиляди" multiplying
// what came before. -1 for anything else.
std::int64_t NumberOf(const std::vector<std::string>& words) {
  static const std::map<std::string, int> kValues = {{"нула", 0},
                                                     {"един", 1},
                                                     {"една", 1},
                                                     {"едно", 1},
                                                     {"два", 2},
                                                     {"две", 2},
                                                     {"три", 3},
                                                     {"четири", 4},
                                                     {"пет", 5},
                                                     {"шест", 6},
                                                     {"седем", 7},
                                                     {"осем", 8},
                                                     {"девет", 9},
                                                     {"десет", 10},
                                                     {"единадесет", 11},
                                                     {"дванадесет", 12},
                                                     {"тринадесет", 13},
                                                     {"четиринадесет", 14},
                                                     {"петнадесет", 15},
                                                     {"шестнадесет", 16},
                                                     {"седемнадесет", 17},
                                                     {"осемнадесет", 18},
                                                     {"деветнадесет", 19},
                                                     {"двадесет", 20},
                                                     {"тридесет", 30},
                                                     {"четиридесет", 40},
                                                     {"петдесет", 50},
                                                     {"шестдесет", 60},
                                                     {"седемдесет", 70},
                                                     {"осемдесет", 80},
                                                     {"деветдесет", 90},
                                                     {"сто", 100},
                                                     {"двеста", 200},
                                                     {"триста", 300},
                                                     {"четиристотин", 400},
                                                     {"петстотин", 500},
                                                     {"шестстотин", 600},
                                                     {"седемстотин", 700},
                                                     {"осемстотин", 800},
                                                     {"деветстотин", 900}};
  std::int64_t total = 0;
  std::size_t ands = 0, parts = 0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words[i] == "и") {
      // Before the last part only, never first, never twice.
      if (i == 0 || i + 2 != words.size() || ands++ > 0) return -1;
    } else if (words[i] == "хиляда" && i == 0) {
      total = 1000, ++parts;
    } else if (kValues.contains(words[i])) {
      total += kValues.at(words[i]), ++parts;
    } else {
      return -1;
    }
  }
  return parts > 1 && ands == 0 ? -1 : total;
}

// Splits "X <unit> и Y <unit>" at its units and reads each number back.
std::int64_t AmountOf(const std::string& text, const Currency& currency) {
  std::istringstream in(text);
  std::vector<std::string> words;
  std::int64_t hundredths = 0;
  for (std::string word; in >> word;) {
    const UnitWords* unit = nullptr;
    for (const UnitWords* u : {&currency.whole_unit, &currency.hundredth}) {
      if (word == u->one || word == u->many) unit = u;
    }
    if (unit == nullptr) {
      if (!(words.empty() && word == "и" && hundredths > 0)) words.push_back(word);
      continue;
    }
    const std::int64_t number = NumberOf(words);
    // One takes the unit's singular, where it has one of its own.
    const bool has_singular = std::string(unit->one) != unit->many;
    if (number < 0 || (has_singular && (number == 1) != (word == unit->one))) return -1;
    hundredths += number * (unit == &currency.whole_unit ? 100 : 1);
    words.clear();
  }
  return words.empty() ? hundredths : -1;
}

TEST(AmountWords, EveryAmountTo1000ReadsBack) {
  for (const Currency* currency : Currencies()) {
    for (std::int64_t hundredths = 0; hundredths <= 100000; ++hundredths) {
      const std::string words = AmountInWords(hundredths, *currency);
      ASSERT_EQ(AmountOf(words, *currency), hundredths) << words;
    }
  }
}

}  // namespace
}  // namespace restomer
