// Tests that run a program under a user's locale need that locale made on
// the machine; without it the C library falls back to "C" silently, and a
// check would compare against a blank or English result.
#ifndef RESTOMER_TESTS_LOCALE_SUPPORT_H_
#define RESTOMER_TESTS_LOCALE_SUPPORT_H_

#include <clocale>
#include <string>

#ifndef _WIN32
#include <locale.h>
#endif

namespace restomer::testing {

// Empty when `name` (say "bg_BG.UTF-8") can be used; otherwise what is
// missing and the command that makes it, for the test to fail with.
inline std::string MissingLocale(const std::string& name) {
#ifdef _WIN32
  (void)name;
  return {};
#else
  if (locale_t locale = newlocale(LC_ALL_MASK, name.c_str(), nullptr)) {
    freelocale(locale);
    return {};
  }
  return "the locale " + name +
         " is not made on this machine: run scripts/install-deps --tests (it enables \"" + name +
         " UTF-8\" in /etc/locale.gen and runs locale-gen)";
#endif
}

}  // namespace restomer::testing

#endif  // RESTOMER_TESTS_LOCALE_SUPPORT_H_
