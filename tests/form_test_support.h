// Helpers shared by the tests that drive the change logic.
#ifndef RESTOMER_TESTS_FORM_TEST_SUPPORT_H_
#define RESTOMER_TESTS_FORM_TEST_SUPPORT_H_

#include <string>
#include <vector>

#include "core/button_actions.h"
#include "core/form_content.h"

namespace restomer::testing {

// Types the two amounts into the start-up window and clicks "Въведи".
inline FormContent EnterAmounts(const std::string& price, const std::string& paid,
                                const RegionalSettings& settings = {}) {
  FormContent form = StartUpContent();
  form.Text3[kPriceBox].Text = price;
  form.Text3[kPaidBox].Text = paid;
  Command1Click(form, kEnterButton, settings);
  return form;
}

// The captions of the ticked denominations, largest first.
inline std::vector<std::string> TickedCaptions(const FormContent& form) {
  std::vector<std::string> ticked;
  for (const CheckBox& box : form.Check1) {
    if (box.Value == 1) ticked.push_back(box.Caption);
  }
  return ticked;
}

// The trace box split at CR LF; a last line without CR LF is kept as it is.
inline std::vector<std::string> TraceLines(const FormContent& form) {
  std::vector<std::string> lines;
  const std::string& text = form.Text1[0].Text;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace restomer::testing

#endif  // RESTOMER_TESTS_FORM_TEST_SUPPORT_H_
