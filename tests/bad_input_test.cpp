// Whatever is typed into the amount boxes, the window gives the defined
// result or the "too large" message, and goes on working.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include "core/button_actions.h"
#include "window_test_support.h"

namespace restomer {
namespace {

using restomer::kChangeBox;
using restomer::kEnterButton;
using restomer::kPaidBox;
using restomer::kPriceBox;
using BadInputTest = ::restomer::testing::WindowTest;

struct BadInput {
  const char* what;
  QString price;
  QString paid;
  QString change;  // the change box afterwards
  enum Outcome { kBreakdown, kUnderpaid, kTooLarge } outcome = kBreakdown;
};

const QString kNines400(400, '9');

std::vector<BadInput> BadInputs() {
  return {
      {"empty", "", "", "0.00"},
      {"letters", "abc", "xyz", "0.00"},
      {"lone signs", "-", "+", "0.00"},
      {"lone point", ".", ".", "0.00"},
      {"10,000 letters", "0", QString(10000, 'x'), "0.00"},
      {"10,000 digits", "0", "1" + QString(9999, '0'), "", BadInput::kTooLarge},
      {"400-digit paid", "0", kNines400, "", BadInput::kTooLarge},
      {"400-digit negative price", "-" + kNines400, "0", "", BadInput::kTooLarge},
      {"400 digits on both sides", kNines400, kNines400, "", BadInput::kTooLarge},
      {"exponent", "1", "1e999", "0.00"},
      {"nan and inf", "nan", "inf", "0.00"},
      {"full-width digits", "0", "３０", "0.00"},
      {"Arabic-Indic digits", "0", "٣٠", "0.00"},
      {"right-to-left mark before", "\u200f25.18", "30", "30.00"},
      {"right-to-left mark after", "25.18\u200f", "30\u200f", "4.82"},
      {"emoji before", "💰25.18", "30", "30.00"},
      {"emoji after", "25.18💰", "30🪙", "4.82"},
      {"largest change", "0", "3276799.99", "3,276,799.99"},
      {"smallest too large", "0", "3276800.00", "3,276,800.00", BadInput::kTooLarge},
      {"negative price", "-5", "30", "35.00"},
      {"both negative", "-10", "-4", "6.00"},
      {"negative paid", "5", "-30", "", BadInput::kUnderpaid},
  };
}

TEST_F(BadInputTest, GivesTheDefinedResultAndStaysUsable) {
  for (const BadInput& input : BadInputs()) {
    SCOPED_TRACE(input.what);
    type(kPriceBox, input.price);
    type(kPaidBox, input.paid);
    ASSERT_EQ(window_.text3(kPriceBox)->text(), input.price);
    ASSERT_EQ(window_.text3(kPaidBox)->text(), input.paid);
    window_.text3(kChangeBox)->clear();
    click(kEnterButton);

    EXPECT_EQ(window_.text3(kChangeBox)->text(), input.change);
    EXPECT_EQ(window_.text3(kPriceBox)->text(), input.price);
    EXPECT_EQ(window_.text3(kPaidBox)->text(), input.paid);
    switch (input.outcome) {
      case BadInput::kBreakdown:
        EXPECT_TRUE(trace().startsWith("Към сумата: ") ||
                    trace().startsWith("Натрупаната сума е равна на "));
        break;
      case BadInput::kUnderpaid:
        EXPECT_EQ(trace(), QString::fromUtf8(restomer::kUnderpaymentMessage));
        break;
      case BadInput::kTooLarge:
        EXPECT_EQ(trace(), QString::fromUtf8(restomer::kTooLargeMessage));
        EXPECT_TRUE(ticked().isEmpty());
        break;
    }

    type(kPriceBox, "25.18");
    type(kPaidBox, "30");
    click(kEnterButton);
    EXPECT_EQ(window_.text3(kChangeBox)->text(), "4.82");
    EXPECT_EQ(ticked().size(), 5);
  }
}

}  // namespace
}  // namespace restomer
