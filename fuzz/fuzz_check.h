// The fuzzers' one assertion: says what failed and aborts, so that libFuzzer
// keeps the input.
#ifndef RESTOMER_FUZZ_FUZZ_CHECK_H_
#define RESTOMER_FUZZ_FUZZ_CHECK_H_

#include <cstdio>
#include <cstdlib>

#define CHECK(condition)                                                           \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                \
    }                                                                              \
  } while (false)

#endif  // RESTOMER_FUZZ_FUZZ_CHECK_H_
