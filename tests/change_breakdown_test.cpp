#include "core/change_breakdown.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_test_support.h"

namespace restomer {
namespace {

using ::restomer::testing::EnterAmounts;
using ::restomer::testing::TickedCaptions;
using ::restomer::testing::TraceLines;
using Lines = std::vector<std::string>;

TEST(BreakDown, StartUpAmounts) {
  const FormContent form = EnterAmounts("25.18", "30");
  EXPECT_EQ(TickedCaptions(form), (Lines{"2", "0.50", "0.20", "0.10", "0.02"}));
  EXPECT_EQ(form.Text1[0].Text,
            "Към сумата: 25.18 добавям: 1*0.02 лв.\r\n"
            "Към сумата: 25.20 добавям: 1*0.1 лв.\r\n"
            "Към сумата: 25.30 добавям: 1*0.2 лв.\r\n"
            "Към сумата: 25.50 добавям: 1*0.5 лв.\r\n"
            "Към сумата: 26.00 добавям: 2*2 лв.\r\n"
            "Натрупаната сума е равна на 30.00\r\n");
}

TEST(BreakDown, TaskStatementExample) {
  const FormContent form = EnterAmounts("27.18", "30.00");
  EXPECT_EQ(TickedCaptions(form), (Lines{"2", "0.50", "0.20", "0.10", "0.02"}));
  EXPECT_EQ(TraceLines(form), (Lines{
                                  "Към сумата: 27.18 добавям: 1*0.02 лв.",
                                  "Към сумата: 27.20 добавям: 1*0.1 лв.",
                                  "Към сумата: 27.30 добавям: 1*0.2 лв.",
                                  "Към сумата: 27.50 добавям: 1*0.5 лв.",
                                  "Към сумата: 28.00 добавям: 1*2 лв.",
                                  "Натрупаната сума е равна на 30.00",
                              }));
}

TEST(BreakDown, NoChangeLeavesOnlyTheClosingLine) {
  FormContent form = StartUpContent();
  for (CheckBox& box : form.Check1) box.Value = 1;  // ticked by hand
  form.Text3[kPriceBox].Text = "10";
  form.Text3[kPaidBox].Text = "10";
  Command1Click(form, kEnterButton, {});
  EXPECT_TRUE(TickedCaptions(form).empty());
  EXPECT_EQ(form.Text1[0].Text, "Натрупаната сума е равна на 10.00\r\n");
}

TEST(BreakDown, ManyPiecesOfOneDenomination) {
  const FormContent form = EnterAmounts("0", "3276.80");
  EXPECT_EQ(TickedCaptions(form), (Lines{"100", "50", "20", "5", "1", "0.50", "0.20", "0.10"}));
  const Lines lines = TraceLines(form);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines.front(), "Към сумата: 0.00 добавям: 1*0.1 лв.");
  EXPECT_EQ(lines[7], "Към сумата: 76.80 добавям: 32*100 лв.");
  EXPECT_EQ(lines[8], "Натрупаната сума е равна на 3,276.80");
}

TEST(BreakDown, EveryDenominationButOne) {
  const FormContent form = EnterAmounts("0.01", "1000");
  EXPECT_EQ(TickedCaptions(form),
            (Lines{"100", "50", "20", "5", "2", "0.50", "0.20", "0.05", "0.02"}));
  EXPECT_EQ(TraceLines(form), (Lines{
                                  "Към сумата: 0.01 добавям: 2*0.02 лв.",
                                  "Към сумата: 0.05 добавям: 1*0.05 лв.",
                                  "Към сумата: 0.10 добавям: 2*0.2 лв.",
                                  "Към сумата: 0.50 добавям: 1*0.5 лв.",
                                  "Към сумата: 1.00 добавям: 2*2 лв.",
                                  "Към сумата: 5.00 добавям: 1*5 лв.",
                                  "Към сумата: 10.00 добавям: 2*20 лв.",
                                  "Към сумата: 50.00 добавям: 1*50 лв.",
                                  "Към сумата: 100.00 добавям: 9*100 лв.",
                                  "Натрупаната сума е равна на 1,000.00",
                              }));
}

// Only the difference of the scaled amounts is rounded, ties to even.
TEST(BreakDown, ThirdDecimalTiesRoundToEven) {
  for (const char* price : {"25.185", "25.175"}) {
    const FormContent form = EnterAmounts(price, "30");
    EXPECT_EQ(TickedCaptions(form), (Lines{"2", "0.50", "0.20", "0.10", "0.02"})) << price;
    const Lines lines = TraceLines(form);
    EXPECT_EQ(lines.back(), "Натрупаната сума е равна на 30.00");
  }
  EXPECT_EQ(TraceLines(EnterAmounts("25.185", "30")).front(),
            "Към сумата: 25.19 добавям: 1*0.02 лв.");
  EXPECT_EQ(TraceLines(EnterAmounts("25.175", "30")).front(),
            "Към сумата: 25.18 добавям: 1*0.02 лв.");
}

TEST(BreakDown, LargestChangeThatFits) {
  const FormContent form = EnterAmounts("0", "3276799.99");
  const Lines lines = TraceLines(form);
  EXPECT_EQ(lines[lines.size() - 2], "Към сумата: 99.99 добавям: 32767*100 лв.");
  EXPECT_EQ(lines.back(), "Натрупаната сума е равна на 3,276,799.99");
}

TEST(BreakDown, ThrowsInsteadOfWrapping) {
  FormContent form = StartUpContent();
  form.Text3[kPaidBox].Text = "3276800";
  form.Text3[kPriceBox].Text = "0";
  EXPECT_THROW(BreakDownChange(form, {}), OverflowError);
  form.Text3[kPaidBox].Text = "21474836.48";  // 2^31 hundredths
  EXPECT_THROW(BreakDownChange(form, {}), OverflowError);
}

// Each currency breaks down up to 32767 of its largest piece and 0.99 more;
// one stotinka or cent beyond stops the click with a message instead.
TEST(BreakDown, RangeOfEachCurrency) {
  struct Case {
    const Currency& currency;
    const char* largest;
    const char* last_count_up;
    const char* too_large;
  };
  const Case cases[] = {
      {kLev, "3276799.99", "Към сумата: 99.99 добавям: 32767*100 лв.", "3276800"},
      {kEuro, "16383999.99", "Към сумата: 499.99 добавям: 32767*500 €", "16384000"},
  };
  for (const Case& c : cases) {
    FormContent form = StartUpContent(c.currency);
    form.Text3[kPriceBox].Text = "0";
    form.Text3[kPaidBox].Text = c.largest;
    Command1Click(form, kEnterButton, {}, c.currency);
    const Lines lines = TraceLines(form);
    ASSERT_GE(lines.size(), 2u) << form.Text1[0].Text;
    EXPECT_EQ(lines[lines.size() - 2], c.last_count_up);

    form.Text3[kPaidBox].Text = c.too_large;
    Command1Click(form, kEnterButton, {}, c.currency);
    EXPECT_EQ(form.Text1[0].Text, kTooLargeMessage) << c.too_large;
    EXPECT_TRUE(TickedCaptions(form).empty());
  }
}

}  // namespace
}  // namespace restomer
