#include "core/form_content.h"

namespace restomer {

FormContent StartUpContent(const Currency& currency) {
  FormContent form;
  form.Text3[kPriceBox].Text = "25.18";
  form.Text3[kPaidBox].Text = "30";
  for (const char* caption : currency.captions) form.Check1.push_back({caption});
  form.Text1[0].Text = currency.task_statement;
  form.Command1[kClearButton].Caption = "Чисти";
  form.Command1[kEnterButton].Caption = "Въведи";
  return form;
}

}  // namespace restomer
