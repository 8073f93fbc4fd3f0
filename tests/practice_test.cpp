#include "core/practice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "core/amount_text.h"
#include "form_test_support.h"

namespace restomer {
namespace {

using ::restomer::testing::EnterAmounts;
using ::restomer::testing::TickedCaptions;
using ::restomer::testing::TraceLines;
using Lines = std::vector<std::string>;

RegionalSettings Bulgarian() {
  RegionalSettings settings;
  settings.decimal_separator = ",";
  settings.group_separator = "\u00a0";
  return settings;
}

void Tick(FormContent& form, const Lines& captions) {
  for (CheckBox& box : form.Check1) {
    box.Value = std::find(captions.begin(), captions.end(), box.Caption) != captions.end();
  }
}

// The start-up amounts 25.18 and 30: the change 4.82 takes 2, 0.50, 0.20,
// 0.10 and 0.02.
TEST(Practice, ChecksTheChangeAndThePieces) {
  const Lines count_up = TraceLines(EnterAmounts("25.18", "30"));
  const Lines right_pieces = {"2", "0.50", "0.20", "0.10", "0.02"};
  struct Case {
    const char* change;
    Lines ticked;
    Lines verdict;
    RegionalSettings settings = {};
  };
  const Case cases[] = {
      {"4.82", right_pieces, {"Вярно!"}},
      {" 4.820", right_pieces, {"Вярно!"}},
      {"4,82", right_pieces, {"Вярно!"}, Bulgarian()},
      {"4.82", right_pieces, {"Вярно!"}, Bulgarian()},
      {"4,82", right_pieces, {"Вярно!"}},  // a decimal comma under any region
      {"4.82 лв.", right_pieces, {"Вярно!"}},
      {"4,82 лв", right_pieces, {"Вярно!"}, Bulgarian()},
      {"4,820", right_pieces, {"Вярно!"}, Bulgarian()},
      {"4,820", right_pieces, {"Рестото не е „4,820“, а 4.82 лв."}},  // grouped: 4820
      {"4.28", right_pieces, {"Рестото не е „4.28“, а 4.82 лв."}},
      {"4.815", right_pieces, {"Рестото не е „4.815“, а 4.82 лв."}},
      {"4.825", right_pieces, {"Рестото не е „4.825“, а 4.82 лв."}},
      {"4,824", right_pieces, {"Рестото не е „4,824“, а 4,82 лв."}, Bulgarian()},
      {"4.82 €", right_pieces, {"„4.82 €“ не е сума; рестото е 4.82 лв."}},
      {"4.82 лв. и още нещо", right_pieces, {"„4.82 лв. и още н…“ не е сума; рестото е 4.82 лв."}},
      {"4.82", {"2", "1", "0.50", "0.20", "0.02"}, {"Не е нужна: 1 лв.", "Липсва: 0.10 лв."}},
      {"",
       {},
       {"Рестото не е написано; то е 4.82 лв.",
        "Липсват: 2 лв.; 0.50 лв.; 0.20 лв.; 0.10 лв.; 0.02 лв."}},
      {"5",
       {"5", "1"},
       {"Рестото не е „5“, а 4.82 лв.", "Не са нужни: 5 лв.; 1 лв.",
        "Липсват: 2 лв.; 0.50 лв.; 0.20 лв.; 0.10 лв.; 0.02 лв."}},
  };
  for (const Case& c : cases) {
    Practice practice(PracticeOptions(1), kLev, c.settings);
    FormContent form = StartUpContent();
    form.Text3[kChangeBox].Text = c.change;
    Tick(form, c.ticked);
    practice.Click(form, kEnterButton);

    const bool right = c.verdict == Lines{"Вярно!"};
    Lines expected = c.verdict;
    expected.push_back(right ? "Верни отговори: 1 от 1" : "Верни отговори: 0 от 1");
    const Lines shown_count_up = TraceLines(EnterAmounts("25.18", "30", c.settings));
    expected.insert(expected.end(), shown_count_up.begin(), shown_count_up.end());
    EXPECT_EQ(TraceLines(form), expected) << c.change;
    // The right answer is then on show.
    EXPECT_EQ(form.Text3[kChangeBox].Text, c.settings.decimal_separator == "," ? "4,82" : "4.82");
    EXPECT_EQ(TickedCaptions(form), right_pieces);
  }
}

// A score a teacher can trust: a purchase counts once however it is retyped,
// "Въведи" again says so, and "Чисти" on an unchecked task counts it skipped.
TEST(Practice, CountsEveryTaskOnce) {
  Practice practice(PracticeOptions(1), kLev, {});
  FormContent form = StartUpContent();
  const auto enter = [&](const char* price, const char* paid, const char* change,
                         const Lines& ticked = {"2", "0.50", "0.20", "0.10", "0.02"}) {
    form.Text3[kPriceBox].Text = price;
    form.Text3[kPaidBox].Text = paid;
    form.Text3[kChangeBox].Text = change;
    Tick(form, ticked);
    practice.Click(form, kEnterButton);
    return TraceLines(form);
  };
  const Lines wrong = enter("25.18", "30", "4");
  EXPECT_EQ(wrong[1], "Верни отговори: 0 от 1");
  for (const char* price : {"25.18", "25.18 ", "25.180"}) {
    const Lines again = enter(price, "30.00", "4.82");
    EXPECT_EQ(again[0], "Тази задача вече е проверена. „Чисти“ дава нова задача.") << price;
    EXPECT_EQ(again[1], "Верни отговори: 0 от 1");
    EXPECT_EQ(Lines(again.begin() + 2, again.end()), Lines(wrong.begin() + 2, wrong.end()));
  }
  EXPECT_EQ(enter("25.18", "31", "5.82", {"5", "0.50", "0.20", "0.10", "0.02"})[0],
            "Вярно!");  // another purchase, another task

  // Amounts that cannot be answered are no task.
  for (const char* paid : {"20", "99999999"}) {
    enter("25.18", paid, "1");
    EXPECT_TRUE(form.Text1[0].Text == kUnderpaymentMessage ||
                form.Text1[0].Text == kTooLargeMessage)
        << form.Text1[0].Text;
    practice.Click(form, kClearButton);
  }
  EXPECT_EQ(TraceLines(form).back(), "Верни отговори: 1 от 2");
  practice.Click(form, kClearButton);  // the task just set, skipped
  EXPECT_EQ(TraceLines(form).back(), "Верни отговори: 1 от 3 (пропуснати: 1)");
  EXPECT_EQ(practice.answers(), 2);
  EXPECT_EQ(practice.skipped(), 1);
}

TEST(Practice, ClearSetsTheNextTaskOfTheSeed) {
  for (const Currency* currency : Currencies()) {
    Practice practice(PracticeOptions(42), *currency, {});
    TaskGenerator tasks(42);
    FormContent form = StartUpContent(*currency);
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
    const std::string unit(currency->unit);
    EXPECT_EQ(TraceLines(form).front(), "Клиентът купува за " + form.Text3[kPriceBox].Text + unit +
                                            " и дава " + form.Text3[kPaidBox].Text + unit +
                                            (unit.ends_with('.') ? "" : "."));
  }
}

// An amount written the program's way: "2,997.00" with the C locale's
// separators, "2 997,00" with Bulgarian ones.
std::string Written(std::int64_t hundredths, const std::string& decimal, const std::string& group) {
  std::string units = std::to_string(hundredths / 100);
  for (int at = static_cast<int>(units.size()) - 3; at > 0; at -= 3) units.insert(at, group);
  const std::string cents = std::to_string(hundredths % 100);
  return units + decimal + (cents.size() < 2 ? "0" : "") + cents;
}

// The pieces the count-up adds, in hundredths.
std::int64_t PaidOut(const FormContent& form, const RegionalSettings& settings) {
  std::int64_t paid_out = 0;
  for (std::string line : TraceLines(form)) {
    const std::size_t adding = line.find(" добавям: ");
    if (adding == std::string::npos) continue;
    std::replace(line.begin(), line.end(), settings.decimal_separator[0], '.');
    const std::size_t star = line.find('*');
    paid_out += std::stoll(line.substr(adding + std::string(" добавям: ").size())) *
                std::llround(ParseAmount(line.substr(star + 1)) * 100);
  }
  return paid_out;
}

// The change in the box is always the change the ticks pay out, and a typed
// answer is right exactly when it denotes that change, in either notation;
// practice refuses amounts that are no whole number of hundredths.
TEST(Practice, TheVerdictFollowsTheChangeTheTicksPayOut) {
  std::vector<std::pair<std::string, std::string>> purchases = {
      {"25.175", "30"}, {"25.185", "30"},      {"0.005", "0.01"}, {"0.015", "1"},
      {"3.5", "3000"},  {"1.23456789", "500"}, {"7", "2004.996"}};
  TaskGenerator tasks(3);
  for (int k = 0; k < 300; ++k) {
    const PracticeTask task = tasks.Next();
    purchases.emplace_back(Written(task.price, ".", ""), Written(task.paid, ".", ""));
  }
  for (const RegionalSettings& settings : {RegionalSettings{}, Bulgarian()}) {
    const std::string& decimal = settings.decimal_separator;
    for (const auto& [price, paid] : purchases) {
      SCOPED_TRACE(price + " -> " + paid + " with " + decimal);
      const FormContent answer = EnterAmounts(price, paid, settings);
      const std::int64_t change = PaidOut(answer, settings);
      ASSERT_EQ(answer.Text3[kChangeBox].Text, Written(change, decimal, settings.group_separator));

      const std::string plain = Written(change, ".", "");
      const std::pair<std::string, bool> typed[] = {
          {Written(change, decimal, settings.group_separator), true},
          {Written(change, decimal, " "), change < 100'000 || settings.group_separator != ","},
          {plain, true},
          {plain + "0", true},
          {plain + "5", false},
          {Written(change + 1, decimal, settings.group_separator), false},
      };
      for (const auto& [text, right] : typed) {
        Practice practice(PracticeOptions(1), kLev, settings);
        FormContent form = StartUpContent();
        form.Text3[kPriceBox].Text = price;
        form.Text3[kPaidBox].Text = paid;
        form.Text3[kChangeBox].Text = text;
        for (std::size_t k = 0; k < form.Check1.size(); ++k) {
          form.Check1[k].Value = answer.Check1[k].Value;
        }
        practice.Click(form, kEnterButton);
        // Practice takes amounts in hundredths only, and refuses the others.
        if (price.size() - price.find('.') > 3 ||
            paid.size() - std::min(paid.find('.'), paid.size()) > 3) {
          EXPECT_TRUE(TraceLines(form)[0].ends_with("не е сума като 12" + decimal + "50."))
              << form.Text1[0].Text;
          continue;
        }
        EXPECT_EQ(TraceLines(form)[0] == "Вярно!", right) << text;
      }
    }
  }
}

// The whole class gets the same tasks from a seed, whichever build each
// computer runs: the first tasks of one seed, as every build must draw them.
TEST(TaskGenerator, TheSameTasksOnEveryBuild) {
  TaskGenerator tasks(2026);
  std::vector<PracticeTask> first;
  for (int k = 0; k < 6; ++k) first.push_back(tasks.Next());
  EXPECT_EQ(
      first,
      (std::vector<PracticeTask>{
          {22004, 22100}, {36146, 36200}, {499, 5000}, {6762, 7000}, {491, 10000}, {844, 900}}));
}

TEST(TaskGenerator, PurchasesAPupilMeets) {
  const std::regex amount(R"(\d+\.\d\d)");
  // Each level's bounds, in hundredths: the prices, the largest change, and
  // what the amount paid is a multiple of.
  struct Bounds {
    std::int64_t least_price, most_price, most_change, paid_multiple;
  };
  const Bounds bounds[] = {{1, 999, 99, 100},
                           {1, 9999, 999, 500},
                           {1, 9999, 9999, 500},
                           {1, 49999, 20000, 100},
                           {100001, 999999, 100000, 10000}};
  for (const Level& level : Levels()) {
    const Bounds& in = bounds[level.number - 1];
    for (std::uint64_t seed : {0ull, 1ull, 2026ull, 18446744073709551615ull}) {
      TaskGenerator tasks(seed, level), again(seed, level);
      Practice practice(PracticeOptions(seed, level), kLev, {});
      for (int k = 0; k < 10'000; ++k) {
        const PracticeTask task = tasks.Next();
        ASSERT_EQ(task, again.Next());
        ASSERT_GE(task.price, in.least_price) << level.number;
        ASSERT_LE(task.price, in.most_price) << level.number;
        ASSERT_GE(task.paid - task.price, 1);
        ASSERT_LE(task.paid - task.price, in.most_change) << level.number;
        ASSERT_EQ(task.paid % in.paid_multiple, 0) << level.number;

        FormContent form = StartUpContent();
        practice.SetNextTask(form);
        ASSERT_TRUE(std::regex_match(form.Text3[kPriceBox].Text, amount));
        ASSERT_TRUE(std::regex_match(form.Text3[kPaidBox].Text, amount));
        ASSERT_EQ(std::llround(ParseAmount(form.Text3[kPriceBox].Text) * 100), task.price);
        ASSERT_EQ(std::llround(ParseAmount(form.Text3[kPaidBox].Text) * 100), task.paid);
        ASSERT_EQ(TraceLines(form)[1], LevelText(level, " лв."));
      }
    }
  }
  TaskGenerator one(1), two(2);
  bool differ = false;
  for (int k = 0; k < 5; ++k) differ |= one.Next().price != two.Next().price;
  EXPECT_TRUE(differ) << "another seed, other tasks";
}

// "2 × 2 лв.; 1 × 0.50 лв.": the pieces of an answer's count-up, largest
// first, each with its count.
std::string PiecesOf(const FormContent& answer) {
  const Lines lines = TraceLines(answer);
  const Lines captions = TickedCaptions(answer);
  const std::string adding = " добавям: ";
  std::string pieces;
  for (std::size_t k = 0; k < captions.size(); ++k) {
    const std::string& line = lines[captions.size() - 1 - k];  // the count-up goes smallest first
    const std::size_t count = line.find(adding) + adding.size();
    pieces += (k ? "; " : "") + line.substr(count, line.find('*') - count) + "\u00a0×\u00a0" +
              captions[k] + "\u00a0лв.";
  }
  return pieces;
}

// A round of three tasks: one right, one wrong, one skipped, then the summary
// and the next round; a teacher's own task after the end of a round is the
// first task of the next.
TEST(Practice, ARoundEndsWithItsSummary) {
  Practice practice(PracticeOptions(7, *FindLevel(2), 3), kLev, {});
  TaskGenerator tasks(7, *FindLevel(2));
  FormContent form = StartUpContent();
  practice.SetNextTask(form);
  EXPECT_EQ(TraceLines(form).back(), "Задача 1 от 3");
  std::vector<std::string> summary;
  for (int k = 1; k <= 3; ++k) {
    const PracticeTask task = tasks.Next();
    const FormContent answer = EnterAmounts(form.Text3[kPriceBox].Text, form.Text3[kPaidBox].Text);
    const std::string purchase = std::to_string(k) + ". " + form.Text3[kPriceBox].Text + " лв. → " +
                                 form.Text3[kPaidBox].Text + " лв.: ";
    const std::string right = answer.Text3[kChangeBox].Text;
    std::optional<TaskRecord> record;
    if (k == 1) {
      form.Text3[kChangeBox].Text = right;
      form.Check1 = answer.Check1;
      record = practice.Click(form, kEnterButton);
      summary.push_back(purchase + "„" + right + "“ — вярно.");
      EXPECT_EQ(TraceLines(form)[1], "Задача 1 от 3. Верни отговори: 1 от 1");
    } else if (k == 2) {
      form.Text3[kChangeBox].Text = "0";
      record = practice.Click(form, kEnterButton);
      summary.push_back(purchase + "„0“ и без отметки — грешно; вярно е " + right +
                        " лв.: " + PiecesOf(answer));
    } else {
      record = practice.Click(form, kClearButton);
      summary.push_back(purchase + "пропусната; вярно е " + right + " лв.: " + PiecesOf(answer));
    }
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->round, 1);
    EXPECT_EQ(record->number, k);
    EXPECT_EQ(AmountText(record->change), right);
    EXPECT_EQ(record->price, task.price);
    if (k < 3) practice.Click(form, kClearButton);
  }
  summary.insert(summary.begin(), "Край на кръга: верни отговори 1 от 3, пропуснати 1.");
  summary.push_back("„Чисти“ започва нов кръг.");
  Lines shown = TraceLines(form);
  EXPECT_EQ(shown.front(), "Задача 3 от 3. Верни отговори: 1 от 3 (пропуснати: 1)");
  EXPECT_EQ(Lines(shown.begin() + 1, shown.end()), summary);
  EXPECT_EQ(practice.EndedRound().size(), 3u);

  // "Въведи" now shows the summary again and counts nothing; "Чисти" starts
  // the next round with the seed's next task.
  EXPECT_FALSE(practice.Click(form, kEnterButton).has_value());
  EXPECT_FALSE(practice.Click(form, kClearButton).has_value());
  const PracticeTask next = tasks.Next();
  EXPECT_EQ(std::llround(ParseAmount(form.Text3[kPriceBox].Text) * 100), next.price);
  EXPECT_EQ(TraceLines(form).back(), "Задача 1 от 3");
  EXPECT_TRUE(practice.EndedRound().empty());

  // A teacher's own task, typed with a decimal comma, after the end of the
  // second round: checked and counted as the first task of the third.
  for (int k = 0; k < 3; ++k) practice.Click(form, kClearButton);
  form.Text3[kPriceBox].Text = "12,50";
  form.Text3[kPaidBox].Text = "20";
  practice.SetOwnTask(form);
  EXPECT_EQ(TraceLines(form).front(), "Клиентът купува за 12.50 лв. и дава 20.00 лв.");
  form.Text3[kChangeBox].Text = "7,50";
  Tick(form, {"5", "2", "0.50"});
  const std::optional<TaskRecord> own = practice.Click(form, kEnterButton);
  ASSERT_TRUE(own.has_value());
  EXPECT_EQ(own->outcome, TaskRecord::Outcome::kRight) << form.Text1[0].Text;
  EXPECT_EQ(own->round, 3);
  EXPECT_EQ(own->price, 1250);
  EXPECT_EQ(form.Text3[kPriceBox].Text, "12.50");
  EXPECT_EQ(TraceLines(form)[2], "Към сумата: 12.50 добавям: 1*0.5 лв.");

  // Amounts that are no sum are refused, not read as another amount.
  form.Text3[kPriceBox].Text = "12,5x";
  practice.SetOwnTask(form);
  EXPECT_EQ(form.Text1[0].Text, "Сумата за плащане „12,5x“ не е сума като 12.50.\r\n");
  EXPECT_FALSE(practice.Click(form, kEnterButton).has_value());
  EXPECT_EQ(form.Text1[0].Text, "Сумата за плащане „12,5x“ не е сума като 12.50.\r\n");
}

}  // namespace
}  // namespace restomer
