// The informatics questions answered in Bulgarian: how greedy and the
// fewest pay an amount, and whether greedy is always the fewest for a coin
// system.
#ifndef RESTOMER_CORE_COIN_WORDING_H_
#define RESTOMER_CORE_COIN_WORDING_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/coin_system.h"
#include "core/conversions.h"
#include "core/informatics_tasks.h"

namespace restomer {

// How a coin system's amounts are written: in hundredths shown as leva or
// euro ("0,50 лв."), or as plain whole numbers.
struct CoinUnit {
  bool hundredths = false;
  std::string_view suffix;  // after a coin's value: " лв.", " €"
  std::string_view name;    // of the unit amounts are typed in: "стотинки"
};

// A coin system a lesson starts from.
struct NamedCoins {
  std::string_view name;
  Coins coins;
  CoinUnit unit;
};
// The lev and the euro, the old British pence, US cents, and two systems
// where greedy fails early (1 3 4, 1 5 12).
const std::vector<NamedCoins>& NamedCoinSystems();

// The count-up of `payment` from 0, smallest coin first, in the trace's
// words: "Към сумата: 0 добавям: 2*3", closed by "Натрупаната сума е равна
// на 6". Without line ends.
std::vector<std::string> CountUpFromZero(const Payment& payment, const CoinUnit& unit,
                                         const RegionalSettings& settings);

// "1 бройка", "3 бройки".
std::string PiecesInWords(std::int64_t pieces);

// "6 = 4 + 1 + 1" as a sum of its coins; of more than ten pieces, as
// counts: "700 = 2 × 300 + 1 × 100".
std::string PaymentText(std::int64_t amount, const Payment& payment);

// Whether greedy's way is the fewest here, and if not by how much.
std::string AmountVerdict(const std::optional<Payment>& greedy,
                          const std::optional<Payment>& fewest);

// Whether greedy always gives the fewest for these coins: proven, checked
// up to a bound, or the smallest amount where it fails.
std::string SystemVerdict(const GreedyVerdict& verdict, std::size_t coins);

// Without a coin of 1 some amounts cannot be paid at all: "Не могат да се
// платят сумите 1, 2, 4 и 7.", or for coins with a common divisor "Могат
// да се платят само суми, които се делят на 2."; empty when every amount
// can be paid.
std::string UnpayableAmounts(const Coins& coins);

// Lines, each ending with "\n": the coins, greedy's way and the fewest for
// `amount`, and whether they differ and by how much.
std::string AmountAnswer(const Coins& coins, std::int64_t amount);

// Lines, each ending with "\n": the coins, and whether greedy always gives
// the fewest (proven, or checked up to a bound); where it does not, the
// smallest amount where it fails with both ways of paying it.
std::string SystemAnswer(const Coins& coins);

// "1. Монети: 4, 3, 1. Сума: 6. Колко монети от всеки вид плащат сумата с
// най-малко бройки?": an informatics task as a pupil is asked it.
std::string InformaticsTaskText(int number, const InformaticsTask& task);

// The verdict ("Вярно."), then greedy's way and the fewest and whether
// they differ: what a pupil reads after an answer, a line each.
std::string InformaticsExplanation(const InformaticsTask& task, std::string_view verdict);

// The pupil's counts as the results file keeps them: "0×4 2×3 0×1".
std::string CountsText(const Coins& coins, const std::vector<std::int64_t>& counts);

}  // namespace restomer

#endif  // RESTOMER_CORE_COIN_WORDING_H_
