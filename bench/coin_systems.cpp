// How fast the informatics mode answers for the euro in hundredths: the
// proof that greedy is always the fewest, and the fewest for an amount of
// a million hundredths, beside greedy's breakdown of the same amount.
// Prints figures.
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "best_time.h"
#include "core/coin_system.h"

namespace {

const restomer::Coins kEuro = {50000, 20000, 10000, 5000, 2000, 1000, 500, 200,
                               100,   50,    20,    10,   5,    2,    1};

}  // namespace

int main() {
  std::int64_t sink = 0;
  const double greedy = BestMilliseconds([&] {
    for (std::int64_t amount = 999'000; amount <= 1'000'000; ++amount) {
      sink += restomer::Greedy(kEuro, amount)->Pieces();
    }
  });
  const double proof = BestMilliseconds([&] { sink += restomer::JudgeGreedy(kEuro).checked_to; });
  const double fewest = BestMilliseconds([&] {
    sink += restomer::FewestUpTo(kEuro, restomer::kLargestAmount)
                .PaymentOf(restomer::kLargestAmount)
                ->Pieces();
  });
  std::printf("the euro's 15 coins in hundredths; best of %d runs\n", kRuns);
  std::printf("greedy, 1,001 amounts near 1,000,000:  %8.3f ms\n", greedy);
  std::printf("proof that greedy is always the fewest: %8.3f ms  (%.0f times greedy's)\n", proof,
              proof / greedy);
  std::printf("the fewest for 1,000,000:              %8.3f ms  (%.0f times greedy's)\n", fewest,
              fewest / greedy);
  return sink == 0;
}
