#include "core/coin_wording.h"

namespace restomer {
namespace {

// Above it a breakdown is written as counts.
constexpr std::int64_t kMostPiecesAsSum = 10;

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
         PiecesText(payment->Pieces()) + ".\n";
}

std::string BothWays(const Coins& coins, std::int64_t amount) {
  return WayLine("Алчният начин", amount, Greedy(coins, amount)) +
         WayLine("Най-малко бройки", amount, FewestUpTo(coins, amount).PaymentOf(amount));
}

}  // namespace

std::string PiecesText(std::int64_t pieces) {
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

std::string AmountAnswer(const Coins& coins, std::int64_t amount) {
  const std::optional<Payment> greedy = Greedy(coins, amount);
  const std::optional<Payment> fewest = FewestUpTo(coins, amount).PaymentOf(amount);
  std::string verdict;
  if (!fewest) {
    verdict = "Сумата не може да се плати с тези монети.";
  } else if (!greedy) {
    verdict = "Тук алчният начин не успява, а сумата може да се плати.";
  } else if (greedy->Pieces() > fewest->Pieces()) {
    verdict = "Тук алчният начин не дава най-малко бройки: дава " +
              PiecesText(greedy->Pieces() - fewest->Pieces()) + " повече.";
  } else {
    verdict = "Тук алчният начин дава най-малко бройки.";
  }
  return CoinsLine(coins) + BothWays(coins, amount) + verdict + "\n";
}

std::string SystemAnswer(const Coins& coins) {
  const GreedyVerdict verdict = JudgeGreedy(coins);
  if (verdict.counterexample) {
    const std::int64_t amount = *verdict.counterexample;
    return CoinsLine(coins) +
           "Алчният начин не винаги дава най-малко бройки: най-малката сума, при която "
           "греши, е " +
           std::to_string(amount) + ".\n" + BothWays(coins, amount);
  }
  if (verdict.proven) {
    return CoinsLine(coins) + "Доказано: алчният начин винаги дава най-малко бройки" +
           (coins.size() < 2
                ? std::string(" (има една монета).\n")
                : " (проверени са всички суми до " + std::to_string(verdict.checked_to) +
                      ", а ако грешеше, щеше да сгреши под сбора на двете най-големи "
                      "монети).\n");
  }
  return CoinsLine(coins) + "За всички суми до " + std::to_string(verdict.checked_to) +
         ", които могат да се платят, алчният начин дава най-малко бройки. Без монета 1 това е "
         "проверка, не доказателство.\n";
}

}  // namespace restomer
