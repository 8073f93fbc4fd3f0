#include "core/count_up.h"

namespace restomer {

std::vector<CountUpStep> CountUpOf(const Payment& payment, std::int64_t start) {
  std::vector<CountUpStep> steps;
  for (auto it = payment.counts.rbegin(); it != payment.counts.rend(); ++it) {
    const auto& [value, count] = *it;
    steps.push_back({start, count, value});
    start += value * count;
  }
  return steps;
}

std::string CountUpLine(std::string_view sum, std::string_view count, std::string_view piece) {
  return "Към сумата: " + std::string(sum) + " добавям: " + std::string(count) + "*" +
         std::string(piece);
}

std::string ClosingLine(std::string_view sum) {
  return "Натрупаната сума е равна на " + std::string(sum);
}

}  // namespace restomer
