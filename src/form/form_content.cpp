#include "form/form_content.h"

namespace restomer {

const char* const kTaskStatement =
    "В реалния живот продавачът, който връща ресто, държи в ръка парите на клиента и "
    "отброява рестото, като натрупва монети и банкноти върху дължимата сума. Например при "
    "сума за плащане 27.18 и дадени 30.00 етапите са: 0.02; 0.10; 0.20; 0.50; 2 лв.\r\n"
    "Да се разработи проект, който свързва учебните предмети математика и информатика.\r\n"
    "Тема на проекта: Restomer.\r\n"
    "Дължимата и дадената сума се въвеждат в две текстови полета. Да се използват реалните "
    "стойности на банкнотите (2,5,10,20,50,100) лева и на монетите (1,2,5,10,20,50,100) "
    "стотинки.\r\n"
    "Проектът използва алчен алгоритъм, за да намери минималния брой монети и банкноти за "
    "рестото, и показва отделните етапи, така че методът на отброяване чрез натрупване да "
    "стане нагледен.\r\n";

FormContent StartUpContent() {
  FormContent form;
  form.Text3[kPriceBox].Text = "25.18";
  form.Text3[kPaidBox].Text = "30";
  const char* const captions[kDenominationCount] = {
      "100", "50", "20", "10", "5", "2", "1", "0.50", "0.20", "0.10", "0.05", "0.02", "0.01"};
  for (int k = 0; k < kDenominationCount; ++k) form.Check1[k].Caption = captions[k];
  form.Text1[0].Text = kTaskStatement;
  form.Command1[kClearButton].Caption = "Чисти";
  form.Command1[kEnterButton].Caption = "Въведи";
  return form;
}

}  // namespace restomer
