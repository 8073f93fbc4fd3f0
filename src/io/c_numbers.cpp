#include "io/c_numbers.h"

#include <locale.h>

#include <clocale>
#include <string>

namespace restomer {

#ifdef _WIN32
// Windows' C runtime has no uselocale: the thread gets a locale of its own
// for as long as it writes.
CNumbers::CNumbers() {
  threadSetting_ = _configthreadlocale(_ENABLE_PER_THREAD_LOCALE);
  if (const char* current = std::setlocale(LC_NUMERIC, nullptr)) {
    previous_ = new std::string(current);
  }
  std::setlocale(LC_NUMERIC, "C");
}

CNumbers::~CNumbers() {
  if (auto* previous = static_cast<std::string*>(previous_)) {
    std::setlocale(LC_NUMERIC, previous->c_str());
    delete previous;
  }
  _configthreadlocale(threadSetting_);
}
#else
CNumbers::CNumbers() {
  locale_t numbers = newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE));
  if (numbers == nullptr) return;
  numbers_ = numbers;
  previous_ = uselocale(numbers);
}

CNumbers::~CNumbers() {
  if (numbers_ == nullptr) return;
  uselocale(static_cast<locale_t>(previous_));
  freelocale(static_cast<locale_t>(numbers_));
}
#endif

}  // namespace restomer
