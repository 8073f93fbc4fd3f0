#include "core/button_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_test_support.h"

namespace restomer {
namespace {

using ::restomer::testing::EnterAmounts;
using ::restomer::testing::TickedCaptions;
using ::restomer::testing::TraceLines;
using Captions = std::vector<std::string>;

TEST(StartUpContent, HoldsTheStartValues) {
  const FormContent form = StartUpContent();
  EXPECT_EQ(form.Text3[kPriceBox].Text, "25.18");
  EXPECT_EQ(form.Text3[kPaidBox].Text, "30");
  EXPECT_EQ(form.Text3[kChangeBox].Text, "");
  EXPECT_TRUE(TickedCaptions(form).empty());
  const Captions captions = {"100",  "50",   "20",   "10",   "5",    "2",   "1",
                             "0.50", "0.20", "0.10", "0.05", "0.02", "0.01"};
  for (int k = 0; k < kDenominationCount; ++k) EXPECT_EQ(form.Check1[k].Caption, captions[k]);
  EXPECT_EQ(form.Command1[kClearButton].Caption, "Чисти");
  EXPECT_EQ(form.Command1[kEnterButton].Caption, "Въведи");
}

TEST(StartUpContent, TaskStatementFollowsTheOutline) {
  const std::vector<std::string> lines = TraceLines(StartUpContent());
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(StartUpContent().Text1[0].Text.substr(StartUpContent().Text1[0].Text.size() - 2),
            "\r\n");
  EXPECT_NE(lines[0].find("27.18"), std::string::npos);
  EXPECT_NE(lines[0].find("30.00"), std::string::npos);
  EXPECT_NE(lines[0].find("0.02; 0.10; 0.20; 0.50; 2 лв."), std::string::npos);
  EXPECT_NE(lines[1].find("математика"), std::string::npos);
  EXPECT_NE(lines[1].find("информатика"), std::string::npos);
  EXPECT_NE(lines[2].find("Restomer"), std::string::npos);
  EXPECT_NE(lines[3].find("(2,5,10,20,50,100)"), std::string::npos);
  EXPECT_NE(lines[3].find("(1,2,5,10,20,50,100)"), std::string::npos);
  EXPECT_NE(lines[4].find("алчен алгоритъм"), std::string::npos);
}

TEST(StartUpContent, InEuroHoldsItsCaptionsAndTaskStatement) {
  const FormContent form = StartUpContent(kEuro);
  EXPECT_EQ(form.Text3[kPriceBox].Text, "25.18");
  EXPECT_EQ(form.Text3[kPaidBox].Text, "30");
  EXPECT_TRUE(TickedCaptions(form).empty());
  std::vector<std::string> captions;
  for (const CheckBox& box : form.Check1) captions.push_back(box.Caption);
  EXPECT_EQ(captions, (Captions{"500", "200", "100", "50", "20", "10", "5", "2", "1", "0.50",
                                "0.20", "0.10", "0.05", "0.02", "0.01"}));
  const std::vector<std::string> lines = TraceLines(form);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_NE(lines[0].find("27.18"), std::string::npos);
  EXPECT_NE(lines[0].find("0.02; 0.10; 0.20; 0.50; 2 €"), std::string::npos);
  EXPECT_NE(lines[1].find("информатика"), std::string::npos);
  EXPECT_NE(lines[2].find("Restomer"), std::string::npos);
  EXPECT_NE(lines[3].find("5, 10, 20, 50, 100, 200, 500 евро"), std::string::npos);
  EXPECT_NE(lines[3].find("1, 2, 5, 10, 20, 50 евроцента; 1 и 2 евро"), std::string::npos);
  EXPECT_NE(lines[4].find("алчен алгоритъм"), std::string::npos);
}

TEST(Clear, EmptiesAmountsTraceAndTicks) {
  FormContent form = EnterAmounts("25.18", "30");
  ASSERT_FALSE(TickedCaptions(form).empty());
  Command1Click(form, kClearButton, {});
  for (const TextBox& box : form.Text3) EXPECT_EQ(box.Text, "");
  EXPECT_EQ(form.Text1[0].Text, "");
  EXPECT_TRUE(TickedCaptions(form).empty());

  // Both amounts now read as 0.
  Command1Click(form, kEnterButton, {});
  EXPECT_EQ(form.Text3[kChangeBox].Text, "0.00");
  EXPECT_EQ(TraceLines(form), Captions{"Натрупаната сума е равна на 0.00"});
}

TEST(Clear, AmountsOnlyLeavesTheTraceAlone) {
  FormContent form = EnterAmounts("25.18", "30");
  const std::string trace = form.Text1[0].Text;
  ClearAmounts(form);
  for (const TextBox& box : form.Text3) EXPECT_EQ(box.Text, "");
  EXPECT_TRUE(TickedCaptions(form).empty());
  EXPECT_EQ(form.Text1[0].Text, trace);
}

TEST(Click, UnknownIndexDoesNothing) {
  for (std::int16_t index : {-1, 2, 32767}) {
    FormContent form = StartUpContent();
    form.Check1[3].Value = 1;
    const FormContent before = form;
    Command1Click(form, index, {});
    EXPECT_TRUE(form == before) << index;
  }
}

TEST(Enter, WritesTheChange) {
  struct Case {
    const char* price;
    const char* paid;
    const char* change;
  };
  const Case cases[] = {
      {"25.18", "30", "4.82"},
      {"10", "10", "0.00"},
      {"25,18", "30", "5.00"},
      {"-5", "30", "35.00"},
      {"0", "1000", "1,000.00"},
      {"25.185", "30", "4.82"},
      {"abc", "2.5x", "2.50"},
      {"-10", "-4", "6.00"},
      {"0", "3276799.99", "3,276,799.99"},
      {"0", "1e20", "1.00"},  // no exponents: the amount is 1
      // The change in the box is the change the ticks pay out.
      {"25.175", "30", "4.82"},
      {"0.005", "0.01", "0.00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EnterAmounts(c.price, c.paid).Text3[kChangeBox].Text, c.change)
        << c.price << " -> " << c.paid;
  }
}

TEST(Enter, FollowsTheRegionalSettings) {
  RegionalSettings bulgarian;
  bulgarian.decimal_separator = ",";
  bulgarian.group_separator = " ";
  // The amounts are still read with "." only.
  const FormContent form = EnterAmounts("0.01", "1000", bulgarian);
  EXPECT_EQ(form.Text3[kChangeBox].Text, "999,99");
  const std::vector<std::string> lines = TraceLines(form);
  EXPECT_EQ(lines.front(), "Към сумата: 0,01 добавям: 2*0,02 лв.");
  EXPECT_EQ(lines.back(), "Натрупаната сума е равна на 1 000,00");
}

TEST(Enter, RefusesAnUnderpaymentAndKeepsTheRest) {
  FormContent form = EnterAmounts("25.18", "30");
  form.Text3[kPriceBox].Text = "30";
  form.Text3[kPaidBox].Text = "25.18";
  FormContent expected = form;
  expected.Text1[0].Text = "Става дума за търговия, а не за филантропия!";
  Command1Click(form, kEnterButton, {});
  EXPECT_TRUE(form == expected) << form.Text1[0].Text;
  EXPECT_EQ(form.Text3[kChangeBox].Text, "4.82");

  EXPECT_EQ(EnterAmounts("0.01", "0").Text1[0].Text, kUnderpaymentMessage);
  EXPECT_EQ(EnterAmounts("-1", "-2").Text1[0].Text, kUnderpaymentMessage);
}

// A change of 3,276,800.00 or more, or an amount beyond any number, cannot be
// broken down; the click ends cleanly with a message.
TEST(Enter, StopsCleanlyWhenTheChangeIsTooLarge) {
  const std::string huge(400, '9');
  struct Case {
    std::string price;
    std::string paid;
    std::string change;  // what the change box shows afterwards
  };
  const Case cases[] = {
      {"0", "3276800", "3,276,800.00"},
      {"0.01", "3276800.01", "3,276,800.00"},
      {"-3000000", "276800", "3,276,800.00"},
      {"0", "21474836.48", "21,474,836.48"},  // beyond the 32-bit hundredths
      {"0", "1" + std::string(20, '0'), "100,000,000,000,000,000,000.00"},
      {"1" + std::string(307, '0'), "1" + std::string(307, '0'), "0.00"},  // x100 overflows
      {"0", huge, ""},
      {"-" + huge, "0", ""},
      {huge, huge, ""},  // infinity minus infinity
  };
  for (const Case& c : cases) {
    FormContent form = StartUpContent();
    Command1Click(form, kEnterButton, {});  // an earlier answer on screen
    form.Text3[kPriceBox].Text = c.price;
    form.Text3[kPaidBox].Text = c.paid;
    form.Check1[0].Value = 1;
    Command1Click(form, kEnterButton, {});
    EXPECT_EQ(form.Text1[0].Text, kTooLargeMessage) << c.paid;
    EXPECT_EQ(form.Text3[kChangeBox].Text, c.change) << c.paid;
    EXPECT_TRUE(TickedCaptions(form).empty()) << c.paid;
    EXPECT_EQ(form.Text3[kPriceBox].Text, c.price);
    EXPECT_EQ(form.Text3[kPaidBox].Text, c.paid);

    // The window goes on working.
    form.Text3[kPriceBox].Text = "25.18";
    form.Text3[kPaidBox].Text = "30";
    Command1Click(form, kEnterButton, {});
    EXPECT_EQ(form.Text3[kChangeBox].Text, "4.82");
  }
}

}  // namespace
}  // namespace restomer
