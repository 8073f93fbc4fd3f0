// The window's content as data: the controls the change logic reads and
// writes, addressed as control arrays with a zero-based index, and the values
// they hold when the program starts. How they are drawn is the window's job.
#ifndef RESTOMER_CORE_FORM_CONTENT_H_
#define RESTOMER_CORE_FORM_CONTENT_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/currency.h"

namespace restomer {

// Indices into FormContent::Text3.
inline constexpr int kPriceBox = 0;
inline constexpr int kPaidBox = 1;
inline constexpr int kChangeBox = 2;

// Indices into FormContent::Command1.
inline constexpr int kClearButton = 0;
inline constexpr int kEnterButton = 1;

// Property names follow the controls they stand for. Text is UTF-8; lines in
// a multi-line box end with CR LF.
struct TextBox {
  std::string Text;
  bool operator==(const TextBox&) const = default;
};

struct CheckBox {
  std::string Caption;     // fixed; the denomination in units, e.g. "0.50"
  std::int16_t Value = 0;  // 0 unticked, 1 ticked
  bool operator==(const CheckBox&) const = default;
};

struct CommandButton {
  std::string Caption;
  bool operator==(const CommandButton&) const = default;
};

struct FormContent {
  std::array<TextBox, 3> Text3;  // price, amount paid, change
  // The only table of denominations, largest first: their values are read
  // from the captions at every computation.
  std::vector<CheckBox> Check1;
  std::array<TextBox, 1> Text1;  // the trace box
  std::array<CommandButton, 2> Command1;
  bool operator==(const FormContent&) const = default;
};

// What the window holds when the program starts in that currency.
FormContent StartUpContent(const Currency& currency = kLev);

}  // namespace restomer

#endif  // RESTOMER_CORE_FORM_CONTENT_H_
