// Every kind of practice goes through the same round: a right answer, a
// wrong one, a second answer refused, a task skipped, the round's end and
// its score, and the records that become results rows.
#include "core/practice_round.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "core/button_actions.h"
#include "core/informatics_practice.h"
#include "core/picture_practice.h"
#include "core/practice.h"

namespace restomer {
namespace {

using Outcome = TaskRecord::Outcome;

// One kind of practice as a pupil drives it.
class Pupil {
 public:
  virtual ~Pupil() = default;
  virtual std::optional<TaskRecord> AnswerRight() = 0;
  virtual std::optional<TaskRecord> AnswerWrong() = 0;
  // "Чисти", "Следваща": the next task, skipping one left unanswered.
  virtual std::optional<TaskRecord> Next() = 0;
  virtual const PracticeRound& Round() const = 0;
};

class Buyer : public Pupil {
 public:
  explicit Buyer(int round_size)
      : practice_(PracticeOptions(11, *FindLevel(2), round_size), kLev, {}) {
    practice_.SetNextTask(form_);
  }
  std::optional<TaskRecord> AnswerRight() override {
    FormContent answer = form_;
    Command1Click(answer, kEnterButton, {}, kLev);  // the demonstration's answer
    form_.Text3[kChangeBox] = answer.Text3[kChangeBox];
    form_.Check1 = answer.Check1;
    return practice_.Click(form_, kEnterButton);
  }
  std::optional<TaskRecord> AnswerWrong() override { return practice_.Click(form_, kEnterButton); }
  std::optional<TaskRecord> Next() override { return practice_.Click(form_, kClearButton); }
  const PracticeRound& Round() const override { return practice_.round(); }

 private:
  Practice practice_;
  FormContent form_ = StartUpContent(kLev);
};

class Programmer : public Pupil {
 public:
  explicit Programmer(int round_size) : practice_(11, *FindInformaticsLevel(2), {}, round_size) {}
  std::optional<TaskRecord> AnswerRight() override {
    const InformaticsTask& task = practice_.task();
    InformaticsAnswer answer;
    answer.greedy_is_fewest = GreedyIsFewest(task);
    const Payment fewest = *FewestUpTo(task.coins, task.amount).PaymentOf(task.amount);
    for (std::int64_t coin : task.coins) {
      answer.counts.push_back(0);
      for (const auto& [value, count] : fewest.counts) {
        if (value == coin) answer.counts.back() = count;
      }
    }
    return practice_.Check(answer);
  }
  std::optional<TaskRecord> AnswerWrong() override { return practice_.Check({}); }
  std::optional<TaskRecord> Next() override { return practice_.NextTask(); }
  const PracticeRound& Round() const override { return practice_.round(); }

 private:
  InformaticsPractice practice_;
};

class Seller : public Pupil {
 public:
  explicit Seller(int round_size) : practice_(11, *FindPictureLevel(1), kEuro, true, round_size) {}
  std::optional<TaskRecord> AnswerRight() override { return Record(practice_.Fewest()); }
  std::optional<TaskRecord> AnswerWrong() override { return Record({}); }
  std::optional<TaskRecord> Next() override { return practice_.NextTask(); }
  const PracticeRound& Round() const override { return practice_.round(); }

 private:
  std::optional<TaskRecord> Record(const Payment& given) {
    const std::optional<PictureCheck> check = practice_.Check(given);
    return check ? std::optional(check->record) : std::nullopt;
  }
  PicturePractice practice_;
};

struct Kind {
  TaskKind kind;
  std::function<std::unique_ptr<Pupil>(int round_size)> start;
};

const Kind kKinds[] = {
    {TaskKind::kPurchases, [](int size) { return std::make_unique<Buyer>(size); }},
    {TaskKind::kPictures, [](int size) { return std::make_unique<Seller>(size); }},
    {TaskKind::kInformatics, [](int size) { return std::make_unique<Programmer>(size); }},
};

void ExpectRecord(const std::optional<TaskRecord>& record, Outcome outcome, int round, int number) {
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->outcome, outcome);
  EXPECT_EQ(record->round, round);
  EXPECT_EQ(record->number, number);
  EXPECT_GT(record->change, 0);
}

TEST(PracticeRound, EveryKindCountsTheSameWay) {
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(NameOf(kind.kind).key);
    const std::unique_ptr<Pupil> pupil = kind.start(3);
    const std::optional<TaskRecord> right = pupil->AnswerRight();
    ExpectRecord(right, Outcome::kRight, 1, 1);
    EXPECT_EQ(right->kind, kind.kind);
    EXPECT_EQ(!right->coins.empty(), kind.kind == TaskKind::kInformatics);
    EXPECT_FALSE(pupil->AnswerRight()) << "a second answer to the same task";
    EXPECT_FALSE(pupil->Next()) << "an answered task is not skipped";
    ExpectRecord(pupil->AnswerWrong(), Outcome::kWrong, 1, 2);
    EXPECT_FALSE(pupil->Next());
    EXPECT_FALSE(pupil->Round().IsOver());
    ExpectRecord(pupil->Next(), Outcome::kSkipped, 1, 3);

    // The round is over: its score and its tasks stand until the next task.
    ASSERT_TRUE(pupil->Round().IsOver());
    const Score score = pupil->Round().LastScore();
    EXPECT_EQ(score.right, 1);
    EXPECT_EQ(score.answered, 3);
    EXPECT_EQ(score.skipped, 1);
    EXPECT_EQ(pupil->Round().Ended().size(), 3u);
    EXPECT_FALSE(pupil->AnswerRight()) << "no answer once the round is over";

    EXPECT_FALSE(pupil->Next());
    EXPECT_FALSE(pupil->Round().IsOver());
    EXPECT_TRUE(pupil->Round().Ended().empty());
    ExpectRecord(pupil->AnswerRight(), Outcome::kRight, 2, 1);
  }
}

TEST(PracticeRound, WithoutRoundsPracticeGoesOn) {
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(NameOf(kind.kind).key);
    const std::unique_ptr<Pupil> pupil = kind.start(0);
    for (int task = 1; task <= 12; ++task) {
      ExpectRecord(task % 3 == 0 ? pupil->AnswerWrong() : pupil->AnswerRight(),
                   task % 3 == 0 ? Outcome::kWrong : Outcome::kRight, 1, task);
      EXPECT_FALSE(pupil->Next());
    }
    EXPECT_FALSE(pupil->Round().IsOver());
    EXPECT_EQ(pupil->Round().right_answers(), 8);
  }
}

}  // namespace
}  // namespace restomer
