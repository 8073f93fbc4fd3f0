// Feeds arbitrary text to the coins a class types and an amount after a
// "|", and aborts when greedy or the fewest pay what was not asked, or the
// fewest takes more pieces than greedy where greedy pays.
#include <cstdint>
#include <string_view>

#include "core/coin_system.h"
#include "core/coin_wording.h"
#include "fuzz_check.h"

namespace {

// Keeps each run short: the tables of larger systems are the benchmark's.
constexpr std::int64_t kLargestChecked = 20'000;

std::int64_t Paid(const restomer::Payment& payment) {
  std::int64_t paid = 0;
  for (const auto& [value, count] : payment.counts) paid += value * count;
  return paid;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t bar = text.find('|');
  const restomer::CoinsRead read = restomer::ReadCoins(text.substr(0, bar));
  CHECK(read.error.empty() != read.coins.empty());
  if (read.coins.empty() || restomer::GreedyCheckBound(read.coins) > kLargestChecked) return 0;
  const restomer::GreedyVerdict verdict = restomer::JudgeGreedy(read.coins);
  CHECK(!verdict.counterexample || *verdict.counterexample <= verdict.checked_to);
  std::int64_t amount = 0;
  for (char c : text.substr(bar == std::string_view::npos ? text.size() : bar + 1)) {
    amount = (amount * 10 + static_cast<unsigned char>(c)) % (kLargestChecked + 1);
  }
  const auto greedy = restomer::Greedy(read.coins, amount);
  const auto fewest = restomer::FewestUpTo(read.coins, amount).PaymentOf(amount);
  if (greedy) CHECK(Paid(*greedy) == amount && fewest && fewest->Pieces() <= greedy->Pieces());
  if (fewest) CHECK(Paid(*fewest) == amount);
  CHECK(!restomer::AmountAnswer(read.coins, amount).empty());
  return 0;
}
