#include "core/coin_wording.h"

#include <numeric>

#include "core/count_up.h"
#include "core/currency.h"

namespace restomer {
namespace {

// Above it a breakdown is written as counts.
constexpr std::int64_t kMostPiecesAsSum = 10;
// The amounts that cannot be paid named at most.
constexpr std::size_t kMostAmountsListed = 12;

std::string CoinsLine(const Coins& coins) {
  std::string line = "Монети:";
  for (std::size_t k = 0; k < coins.size(); ++k) {
    line += (k == 0 ? " " : ", ") + std::to_string(coins[k]);
  }
  return line + ".\n";
}

std::string WayLine(const char* way, std::int64_t amount, const std::optional<Payment>& payment) {
  if (!payment) return std::string(way) + ": " + std::to_string(amount) + " не може да се плати.\n";
  return std::string(way) + ": " + PaymentText(amount, *payment) + ", " +
         PiecesInWords(payment->Pieces()) + ".\n";
}

// Greedy's way and the fewest of paying `amount`.
struct Ways {
  std::optional<Payment> greedy, fewest;
};

Ways WaysOf(const Coins& coins, std::int64_t amount) {
  return {Greedy(coins, amount), FewestUpTo(coins, amount).PaymentOf(amount)};
}

std::string BothWays(std::int64_t amount, const Ways& ways) {
  return WayLine("Алчният начин", amount, ways.greedy) +
         WayLine("Най-малко бройки", amount, ways.fewest);
}

std::string AmountIn(const CoinUnit& unit, std::int64_t amount, const RegionalSettings& settings) {
  return unit.hundredths ? FormatAmount(static_cast<double>(amount) / 100, settings)
                         : std::to_string(amount);
}

std::string CoinIn(const CoinUnit& unit, std::int64_t value, const RegionalSettings& settings) {
  return (unit.hundredths ? NumberText(static_cast<double>(value) / 100, settings)
                          : std::to_string(value)) +
         std::string(unit.suffix);
}

}  // namespace

const std::vector<NamedCoins>& NamedCoinSystems() {
  static const std::vector<NamedCoins> systems = {
      {"лев", DenominationsOf(kLev), {true, kLev.unit, "стотинки"}},
      {"евро", DenominationsOf(kEuro), {true, kEuro.unit, "евроцентове"}},
      {"старите британски пенита", {60, 48, 24, 12, 6, 2, 1}, {false, "", "пенита"}},
      {"американски центове", {25, 10, 5, 1}, {false, "", "центове"}},
      {"1, 3, 4", {4, 3, 1}, {}},
      {"1, 5, 12", {12, 5, 1}, {}},
  };
  return systems;
}

std::vector<std::string> CountUpFromZero(const Payment& payment, const CoinUnit& unit,
                                         const RegionalSettings& settings) {
  std::vector<std::string> lines;
  for (const CountUpStep& step : CountUpOf(payment)) {
    lines.push_back(CountUpLine(AmountIn(unit, step.sum, settings), std::to_string(step.count),
                                CoinIn(unit, step.value, settings)));
  }
  lines.push_back(ClosingLine(AmountIn(unit, payment.Sum(), settings)));
  return lines;
}

std::string PiecesInWords(std::int64_t pieces) {
  return std::to_string(pieces) + (pieces == 1 ? " бройка" : " бройки");
}

std::string PaymentText(std::int64_t amount, const Payment& payment) {
  std::string text = std::to_string(amount) + " =";
  if (payment.counts.empty()) return text + " 0";
  const bool as_sum = payment.Pieces() <= kMostPiecesAsSum;
  const char* between = " ";
  for (const auto& [value, count] : payment.counts) {
    for (std::int64_t k = 0; k < (as_sum ? count : 1); ++k) {
      text += between + (as_sum ? "" : std::to_string(count) + " × ") + std::to_string(value);
      between = " + ";
    }
  }
  return text;
}

std::string AmountVerdict(const std::optional<Payment>& greedy,
                          const std::optional<Payment>& fewest) {
  if (!fewest) return "Сумата не може да се плати с тези монети.";
  if (!greedy) return "Тук алчният начин не успява, а сумата може да се плати.";
  if (greedy->Pieces() > fewest->Pieces()) {
    return "Тук алчният начин не дава най-малко бройки: дава " +
           PiecesInWords(greedy->Pieces() - fewest->Pieces()) + " повече.";
  }
  return "Тук алчният начин дава най-малко бройки.";
}

std::string SystemVerdict(const GreedyVerdict& verdict, std::size_t coins) {
  if (verdict.counterexample) {
    return "Алчният начин не винаги дава най-малко бройки: най-малката сума, при която греши, е " +
           std::to_string(*verdict.counterexample) + ".";
  }
  if (!verdict.proven) {
    return "За всички суми до " + std::to_string(verdict.checked_to) +
           ", които могат да се платят, алчният начин дава най-малко бройки. Без монета 1 това е "
           "проверка, не доказателство.";
  }
  if (coins < 2) return "Доказано: алчният начин винаги дава най-малко бройки (има една монета).";
  return "Доказано: алчният начин винаги дава най-малко бройки (проверени са всички суми до " +
         std::to_string(verdict.checked_to) +
         ", а ако грешеше, щеше да сгреши под сбора на двете най-големи монети).";
}

std::string AmountAnswer(const Coins& coins, std::int64_t amount) {
  const Ways ways = WaysOf(coins, amount);
  return CoinsLine(coins) + BothWays(amount, ways) + AmountVerdict(ways.greedy, ways.fewest) + "\n";
}

std::string UnpayableAmounts(const Coins& coins) {
  std::int64_t divisor = 0;
  for (std::int64_t value : coins) divisor = std::gcd(divisor, value);
  if (divisor > 1) {
    return "Могат да се платят само суми, които се делят на " + std::to_string(divisor) + ".";
  }
  if (coins.back() == 1) return "";
  // With no common divisor, every amount from (largest − 1) × (smallest − 1)
  // on can be paid (Schur); the table stops at the largest amount, below
  // which more amounts than are named cannot be paid whenever it is reached.
  const std::int64_t beyond = std::min((coins.front() - 1) * (coins.back() - 1), kLargestAmount);
  const FewestTable table = FewestUpTo(coins, beyond);
  std::vector<std::string> amounts;
  bool more = false;
  for (std::int64_t x = 1; x <= beyond && !more; ++x) {
    if (table.fewest[x] >= 0) continue;
    more = amounts.size() == kMostAmountsListed;
    if (!more) amounts.push_back(std::to_string(x));
  }
  std::string list;
  for (std::size_t k = 0; k < amounts.size(); ++k) {
    list += (k == 0 ? "" : k + 1 == amounts.size() && !more ? " и " : ", ") + amounts[k];
  }
  return (amounts.size() == 1 ? "Не може да се плати сумата " : "Не могат да се платят сумите ") +
         list + (more ? " и други." : ".");
}

std::string SystemAnswer(const Coins& coins) {
  const GreedyVerdict verdict = JudgeGreedy(coins);
  std::string answer = CoinsLine(coins) + SystemVerdict(verdict, coins.size()) + "\n";
  if (const std::string unpayable = UnpayableAmounts(coins); !unpayable.empty()) {
    answer += unpayable + "\n";
  }
  if (verdict.counterexample) {
    answer += BothWays(*verdict.counterexample, WaysOf(coins, *verdict.counterexample));
  }
  return answer;
}

std::string InformaticsTaskText(int number, const InformaticsTask& task) {
  std::string coins;
  for (std::int64_t coin : task.coins) coins += (coins.empty() ? "" : ", ") + std::to_string(coin);
  return std::to_string(number) + ". Монети: " + coins + ". Сума: " + std::to_string(task.amount) +
         ". " +
         (task.question == InformaticsTask::Question::kFewest
              ? "Колко монети от всеки вид плащат сумата с най-малко бройки?"
              : "Дава ли тук алчният начин (най-голямата монета първо) най-малко бройки?");
}

std::string InformaticsExplanation(const InformaticsTask& task, std::string_view verdict) {
  const Ways ways = WaysOf(task.coins, task.amount);
  return std::string(verdict) + "\n" + BothWays(task.amount, ways) +
         AmountVerdict(ways.greedy, ways.fewest) + "\n";
}

std::string CountsText(const Coins& coins, const std::vector<std::int64_t>& counts) {
  std::string text;
  for (std::size_t k = 0; k < coins.size() && k < counts.size(); ++k) {
    text += (text.empty() ? "" : " ") + std::to_string(counts[k]) + "×" + std::to_string(coins[k]);
  }
  return text;
}

}  // namespace restomer
