// Numbers drawn from a seed, the same sequence on every build: the engine's
// output is fixed to the bit by the C++ standard, and the arithmetic that
// turns it into a number below a bound is our own, since the standard
// library's distributions differ from one library to the next.
#ifndef RESTOMER_CORE_SEEDED_NUMBERS_H_
#define RESTOMER_CORE_SEEDED_NUMBERS_H_

#include <cstdint>
#include <random>

namespace restomer {

class SeededNumbers {
 public:
  explicit SeededNumbers(std::uint64_t seed) : engine_(seed) {}

  // A number from 0 to bound - 1, each as likely.
  std::uint64_t Below(std::uint64_t bound) {
    // 2^64 mod bound: rejecting the values below it leaves a whole number of
    // runs of `bound` values, so every remainder is equally likely.
    const std::uint64_t rejected = -bound % bound;
    std::uint64_t value = engine_();
    while (value < rejected) value = engine_();
    return value % bound;
  }

 private:
  std::mt19937_64 engine_;
};

}  // namespace restomer

#endif  // RESTOMER_CORE_SEEDED_NUMBERS_H_
