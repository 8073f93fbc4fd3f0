#include "core/currency.h"

#include <iterator>

namespace restomer {
namespace {

constexpr const char* kLevCaptions[] = {"100",  "50",   "20",   "10",   "5",    "2",   "1",
                                        "0.50", "0.20", "0.10", "0.05", "0.02", "0.01"};

constexpr const char* kEuroCaptions[] = {"500", "200",  "100",  "50",   "20",   "10",   "5",   "2",
                                         "1",   "0.50", "0.20", "0.10", "0.05", "0.02", "0.01"};

constexpr std::int64_t kLevHundredths[] = {10000, 5000, 2000, 1000, 500, 200, 100,
                                           50,    20,   10,   5,    2,   1};

constexpr std::int64_t kEuroHundredths[] = {50000, 20000, 10000, 5000, 2000, 1000, 500, 200,
                                            100,   50,    20,    10,   5,    2,    1};

constexpr char kLevTaskStatement[] =
    "В реалния живот продавачът, който връща ресто, държи в ръка парите на клиента и "
    "отброява рестото, като натрупва монети и банкноти върху дължимата сума. Например при "
    "сума за плащане 27.18 и дадени 30.00 етапите са: 0.02; 0.10; 0.20; 0.50; 2 лв.\r\n"
    "Да се разработи проект, който свързва учебните предмети математика и информатика.\r\n"
    "Тема на проекта: Restomer.\r\n"
    "Дължимата и дадената сума се въвеждат в две текстови полета. Да се използват реалните "
    "стойности на банкнотите (2,5,10,20,50,100) лева и на монетите (1,2,5,10,20,50,100) "
    "стотинки.\r\n"
    "Проектът използва алчен алгоритъм, за да намери минималния брой монети и банкноти за "
    "рестото, и показва отделните етапи, така че методът на отброяване чрез натрупване да "
    "стане нагледен.\r\n";

constexpr char kEuroTaskStatement[] =
    "Продавачът, който връща ресто, не изважда, а събира: държи парите на клиента и "
    "добавя монети и банкноти към дължимата сума, докато стигне до дадената. Например при "
    "сума за плащане 27.18 и дадени 30.00 етапите са: 0.02; 0.10; 0.20; 0.50; 2 €.\r\n"
    "Задачата е проект, в който математиката и информатиката работят заедно.\r\n"
    "Проектът се казва Restomer.\r\n"
    "Двете суми, дължимата и дадената, се пишат в две текстови полета. Използват се "
    "истинските евро: банкноти от 5, 10, 20, 50, 100, 200, 500 евро и монети от 1, 2, 5, "
    "10, 20, 50 евроцента; 1 и 2 евро.\r\n"
    "С алчен алгоритъм програмата намира най-малкия брой банкноти и монети за рестото и "
    "показва всеки етап, за да се види как се отброява рестото чрез натрупване.\r\n";

constexpr const Currency* kCurrencies[] = {&kLev, &kEuro};

}  // namespace

const char* const kTaskStatement = kLevTaskStatement;

static_assert(std::size(kLevCaptions) == kDenominationCount);
static_assert(std::size(kLevHundredths) == std::size(kLevCaptions));
static_assert(std::size(kEuroHundredths) == std::size(kEuroCaptions));

using Gender = UnitWords::Gender;

const Currency kLev = {"lev",
                       kLevCaptions,
                       kLevHundredths,
                       6,
                       " лв.",
                       kLevTaskStatement,
                       "лев",
                       {"лев", "лева", Gender::kMasculine},
                       {"стотинка", "стотинки", Gender::kFeminine}};
const Currency kEuro = {"euro",
                        kEuroCaptions,
                        kEuroHundredths,
                        7,
                        " €",
                        kEuroTaskStatement,
                        "евро",
                        {"евро", "евро", Gender::kNeuter},
                        {"евроцент", "евроцента", Gender::kMasculine}};

std::span<const Currency* const> Currencies() { return kCurrencies; }

std::vector<std::int64_t> DenominationsOf(const Currency& currency) {
  return {currency.hundredths.begin(), currency.hundredths.end()};
}

const Currency* FindCurrency(std::string_view name) {
  for (const Currency* currency : kCurrencies) {
    if (currency->name == name) return currency;
  }
  return nullptr;
}

std::string CurrencyNames() {
  std::string names;
  for (const Currency* currency : kCurrencies) {
    names += (names.empty() ? "" : " или ") + std::string(currency->name);
  }
  return names;
}

}  // namespace restomer
