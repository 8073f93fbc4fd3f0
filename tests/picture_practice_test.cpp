// Practice with pictures without a window: its levels, its check under
// either rule, the count-up it explains with and its words.
#include "core/picture_practice.h"

#include <gtest/gtest.h>

#include "core/picture_wording.h"

namespace restomer {
namespace {

using Outcome = TaskRecord::Outcome;

Payment AllInCents(std::int64_t hundredths) { return {{{1, hundredths}}}; }

Payment WithoutSmallest(Payment payment) {
  if (--payment.counts.back().second == 0) payment.counts.pop_back();
  return payment;
}

Payment WithCent(Payment payment) {
  payment.counts.emplace_back(1, 1);
  return payment;
}

TEST(PicturePractice, ChecksTheSumAndUnderItsRuleTheFewest) {
  const struct {
    const char* answer;
    Payment (*given)(const Payment& fewest, std::int64_t change);
    bool fewest_rule;
    Outcome outcome;
    bool missing, unneeded;
  } kCases[] = {
      {"fewest", [](const Payment& f, std::int64_t) { return f; }, true, Outcome::kRight, false,
       false},
      {"one missing", [](const Payment& f, std::int64_t) { return WithoutSmallest(f); }, false,
       Outcome::kWrong, true, false},
      {"one not needed", [](const Payment& f, std::int64_t) { return WithCent(f); }, false,
       Outcome::kWrong, false, true},
      {"cents, sum only", [](const Payment&, std::int64_t c) { return AllInCents(c); }, false,
       Outcome::kRight, true, true},
      {"cents, fewest", [](const Payment&, std::int64_t c) { return AllInCents(c); }, true,
       Outcome::kWrong, true, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.answer);
    PicturePractice practice(5, *FindPictureLevel(4), kLev, c.fewest_rule, 0);
    const Payment fewest = practice.Fewest();
    ASSERT_GT(fewest.Pieces(), 1) << "a change of several pieces";
    const std::optional<PictureCheck> check = practice.Check(c.given(fewest, practice.change()));
    ASSERT_TRUE(check);
    EXPECT_EQ(check->record.outcome, c.outcome);
    EXPECT_EQ(check->record.kind, TaskKind::kPictures);
    EXPECT_EQ(!check->missing.counts.empty(), c.missing);
    EXPECT_EQ(!check->unneeded.counts.empty(), c.unneeded);
    EXPECT_EQ(check->record.ticked.size(), static_cast<std::size_t>(check->given_pieces))
        << "a tick for every piece given";
    EXPECT_FALSE(practice.Check(fewest)) << "one answer a task";
  }
}

TEST(PicturePractice, YoungestLevelsComeFirstAndTheRestAreThePurchases) {
  for (const Level& level : PictureLevels()) {
    SCOPED_TRACE(level.number);
    PictureTasks tasks(7, level, kEuro);
    TaskGenerator purchases(7, level.number > 3 ? *FindLevel(level.number - 3) : level);
    for (int i = 0; i < 500; ++i) {
      const PictureTask task = tasks.Next();
      const PracticeTask& p = task.purchase;
      ASSERT_EQ(p, purchases.Next()) << "the same seed, the same purchases";
      ASSERT_LT(p.price, p.paid);
      ASSERT_GT(p.price, 0);
      ASSERT_EQ(task.handed.Sum(), p.paid);
      if (level.number <= 2) {
        ASSERT_EQ(p.price % 100, 0);
        ASSERT_LE(p.paid, level.number == 1 ? 1000 : 2000);
      }
      if (level.number == 3) ASSERT_LT(p.paid - p.price, 100);
    }
  }
  EXPECT_EQ(PictureLevels().size(), 8u);
}

TEST(PicturePractice, CountsUpFromThePriceSmallestFirst) {
  PicturePractice practice(3, *FindPictureLevel(6), kEuro, true, 0);
  const std::vector<CountUpStep> steps = practice.CountUp();
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.front().sum, practice.task().purchase.price);
  for (std::size_t i = 1; i < steps.size(); ++i) {
    EXPECT_LT(steps[i - 1].value, steps[i].value);
    EXPECT_EQ(steps[i].sum, steps[i - 1].sum + steps[i - 1].count * steps[i - 1].value);
  }
  EXPECT_EQ(steps.back().sum + steps.back().count * steps.back().value,
            practice.task().purchase.paid);
}

TEST(PictureWording, PiecesAndStoriesInWords) {
  const RegionalSettings bulgarian{",", "\u00a0", 3, "-", true};
  const PictureWording euro(kEuro, bulgarian), lev(kLev, bulgarian);
  EXPECT_EQ(euro.PieceName(50), "монета 50 евроцента");
  EXPECT_EQ(euro.PieceName(1), "монета 1 евроцент");
  EXPECT_EQ(euro.PieceName(100), "монета 1 евро");
  EXPECT_EQ(euro.PieceName(50000), "банкнота 500 евро");
  EXPECT_EQ(lev.PieceName(1000), "банкнота 10 лева");
  EXPECT_EQ(lev.PieceName(1), "монета 1 стотинка");
  EXPECT_EQ(lev.PieceName(200), "монета 2 лева");
  const PictureItem& apple = PictureItems()[0];
  const PictureTask task{{220, 500}, &apple, {}};
  EXPECT_EQ(lev.Story(task), "Клиентът купува ябълка за 2,20 лв. и дава 5 лв.");
  EXPECT_EQ(lev.StoryInWords(task),
            "Клиентът купува ябълка за два лева и двадесет стотинки и дава пет лева. "
            "Върни рестото.");
  EXPECT_EQ(lev.StepLine({220, 1, 10}), "2,20 лв. + 1 × 0,10 лв. = 2,30 лв.");
  EXPECT_GE(PictureItems().size(), 12u);
}

}  // namespace
}  // namespace restomer
