#include "form/practice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "form_test_support.h"

namespace restomer {
namespace {

using ::restomer::testing::TickedCaptions;
using ::restomer::testing::TraceLines;
using Lines = std::vector<std::string>;

// The start-up amounts 25.18 and 30: the change 4.82 takes 2, 0.50, 0.20,
// 0.10 and 0.02.
TEST(Practice, ChecksTheChangeAndThePieces) {
  const Lines count_up = TraceLines(testing::EnterAmounts("25.18", "30"));
  struct Case {
    const char* change;
    Lines ticked;
    Lines verdict;
  };
  const Case cases[] = {
      {"4.82", {"2", "0.50", "0.20", "0.10", "0.02"}, {"Вярно!"}},
      {" 4.820", {"2", "0.50", "0.20", "0.10", "0.02"}, {"Вярно!"}},
      {"4.28", {"2", "0.50", "0.20", "0.10", "0.02"}, {"Рестото не е „4.28“, а 4.82."}},
      {"4,82",
       {"2", "0.50", "0.20", "0.10", "0.02"},
       {"Рестото не е „4,82“ (прочетено като 4.00), а 4.82."}},
      {"4.82", {"2", "1", "0.50", "0.20", "0.02"}, {"Не са нужни: 1.", "Липсват: 0.10."}},
      {"", {}, {"Рестото не е написано; то е 4.82.", "Липсват: 2, 0.50, 0.20, 0.10, 0.02."}},
      {"5",
       {"5"},
       {"Рестото не е „5“, а 4.82.", "Не са нужни: 5.", "Липсват: 2, 0.50, 0.20, 0.10, 0.02."}},
  };
  Practice practice(1, kLev, {});
  int right = 0;
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const Case& c = cases[k];
    FormContent form = StartUpContent();
    form.Text3[kChangeBox].Text = c.change;
    for (CheckBox& box : form.Check1) {
      box.Value = std::find(c.ticked.begin(), c.ticked.end(), box.Caption) != c.ticked.end();
    }
    practice.Click(form, kEnterButton);
    right += c.verdict == Lines{"Вярно!"};

    Lines expected = c.verdict;
    expected.insert(expected.end(), count_up.begin(), count_up.end());
    expected.push_back("Верни отговори: " + std::to_string(right) + " от " + std::to_string(k + 1));
    EXPECT_EQ(TraceLines(form), expected) << c.change;
    // The right answer is then on show.
    EXPECT_EQ(form.Text3[kChangeBox].Text, "4.82");
    EXPECT_EQ(TickedCaptions(form), (Lines{"2", "0.50", "0.20", "0.10", "0.02"}));

    // "Въведи" once more on the same task, now showing the right answer,
    // does not count again; other amounts are another task.
    practice.Click(form, kEnterButton);
    EXPECT_EQ(TraceLines(form).back(), expected.back());
    practice.SetNextTask(form);  // a new task, though the next case has the same amounts
  }
  EXPECT_EQ(practice.answers(), static_cast<int>(std::size(cases)));
  EXPECT_EQ(practice.right_answers(), 2);
}

TEST(Practice, AmountsThatCannotBeAnsweredDoNotCount) {
  Practice practice(1, kEuro, {});
  FormContent form = StartUpContent(kEuro);
  for (const char* paid : {"20", "99999999"}) {
    form.Text3[kPaidBox].Text = paid;
    practice.Click(form, kEnterButton);
    EXPECT_TRUE(form.Text1[0].Text == kUnderpaymentMessage ||
                form.Text1[0].Text == kTooLargeMessage)
        << form.Text1[0].Text;
  }
  EXPECT_EQ(practice.answers(), 0);
}

TEST(Practice, ClearSetsTheNextTaskOfTheSeed) {
  Practice practice(42, kLev, {});
  TaskGenerator tasks(42);
  FormContent form = StartUpContent();
  practice.SetNextTask(form);
  tasks.Next();
  form.Check1[0].Value = 1;
  form.Text3[kChangeBox].Text = "1";
  practice.Click(form, kClearButton);
  const PracticeTask task = tasks.Next();
  EXPECT_EQ(ParseAmount(form.Text3[kPriceBox].Text) * 100, static_cast<double>(task.price));
  EXPECT_EQ(ParseAmount(form.Text3[kPaidBox].Text) * 100, static_cast<double>(task.paid));
  EXPECT_EQ(form.Text3[kChangeBox].Text, "");
  EXPECT_TRUE(TickedCaptions(form).empty());
  EXPECT_EQ(TraceLines(form).front(), "Клиентът купува за " + form.Text3[kPriceBox].Text +
                                          " и дава " + form.Text3[kPaidBox].Text + ".");
}

TEST(TaskGenerator, PurchasesAPupilMeets) {
  const std::regex amount(R"(\d+\.\d\d)");
  for (std::uint64_t seed : {0ull, 1ull, 2026ull, 18446744073709551615ull}) {
    TaskGenerator tasks(seed), again(seed);
    Practice practice(seed, kLev, {});
    std::set<std::int64_t> steps;
    for (int k = 0; k < 10'000; ++k) {
      const PracticeTask task = tasks.Next();
      const PracticeTask same = again.Next();
      ASSERT_EQ(task.price, same.price);
      ASSERT_EQ(task.paid, same.paid);
      ASSERT_GE(task.price, 1);
      ASSERT_GE(task.paid - task.price, 1);
      ASSERT_LE(task.paid - task.price, 20'000);
      ASSERT_EQ(task.paid % 100, 0) << "paid with a round amount";

      FormContent form = StartUpContent();
      practice.SetNextTask(form);
      ASSERT_TRUE(std::regex_match(form.Text3[kPriceBox].Text, amount));
      ASSERT_TRUE(std::regex_match(form.Text3[kPaidBox].Text, amount));
      ASSERT_EQ(std::llround(ParseAmount(form.Text3[kPriceBox].Text) * 100), task.price);
      ASSERT_EQ(std::llround(ParseAmount(form.Text3[kPaidBox].Text) * 100), task.paid);
    }
  }
  TaskGenerator one(1), two(2);
  bool differ = false;
  for (int k = 0; k < 5; ++k) differ |= one.Next().price != two.Next().price;
  EXPECT_TRUE(differ) << "another seed, other tasks";
}

}  // namespace
}  // namespace restomer
