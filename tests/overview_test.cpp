// Results files of every version, damaged lines among them, read into the
// overview's three tables.
#include "core/overview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/lesson.h"
#include "core/results_reader.h"
#include "core/results_row.h"

namespace restomer {
namespace {

// The first version's header: the seed was "начало", there was no round, and
// the pieces had no counts.
const std::string kFirstHeader =
    "време,потребител,име,валута,ниво,начало,задача,цена,платено,написано ресто,отбелязани,"
    "ресто,най-малко бройки,оценка\r\n";
const std::string kHeader =
    "\xEF\xBB\xBFвреме,потребител,име,валута,ниво,начално число,кръг,задача,цена,платено,"
    "написано ресто,отбелязани,ресто,най-малко бройки,оценка\r\n";

TEST(Overview, ReadsEveryVersionAndCountsWhatTheClassGotWrong) {
  const struct {
    std::string text;
    std::vector<int> unreadable_lines;
    // Per pupil: tasks, right, wrong, skipped.
    std::vector<std::vector<int>> pupils;
    std::size_t tasks;
    // The mistakes, most frequent first, as "kind caption count".
    std::vector<std::string> mistakes;
  } cases[] = {
      {kFirstHeader +
           "2026-12-08T09:00:00+02:00,ivan,,lev,2,7,1,50.43,55.00,4.57,2 0.50 0.05,4.57,"
           "2 0.50 0.05 0.02,грешно\r\n"
           "2026-12-08T09:01:00+02:00,ivan,,lev,2,7,2,28.79,30.00,\"1,21\",1 0.20 0.01,1.21,"
           "1 0.20 0.01,вярно\r\n",
       {},
       {{2, 1, 1, 0}},
       2,
       {"missing 0.02 1"}},
      {kHeader +
           "2026-12-09T08:01:00+02:00,ivan,Иван,euro,2,№2026,1,1,50.43,55.00,4.75,2 0.50 0.05,"
           "4.57,2×2 0.50 0.05 0.02,грешна\r\n"
           "2026-12-09T08:02:00+02:00,maria,Мария,euro,2,№2026,1,1,50.43,55.00,4.57,"
           "2 1 0.50 0.05,4.57,2×2 0.50 0.05 0.02,грешна\r\n"
           "2026-12-09T08:02:30+02:00,maria,Мария,euro,2,№2026,1,2,28.79,30.00,,,1.21,"
           "1 0.20 0.01,пропусната\r\n"
           "2026-12-09T08:03:00+02:00,maria,Мария,euro,2,№20\r\n"                         // cut
           "2026-12-09T08:04:00+02:00,maria,Мария,euro,2,№2026,1,3,x,30,,,1,1,вярна\r\n"  // damaged
           "2026-12-09T08:05:00+02:00,petar,,euro,2,№2026,1,2,28.79,30.00,\"'=1+1\",,1.21,"
           "1 0.20 0.01,верна\r\n"               // an unknown outcome
           "\"2026-12-09T08:06:00+02:00,petar",  // a quote left open
       {5, 6, 7, 8},
       {{1, 0, 1, 0}, {2, 0, 1, 1}},
       2,
       {"missing 0.02 2", "wrong 1", "unneeded 1 1"}},
      {"дата,ученик\r\n2026-12-09,Иван\r\n", {2}, {}, 0, {}},  // not a results file
  };
  for (const auto& c : cases) {
    const ResultsRead read = ReadResults(c.text);
    EXPECT_EQ(read.unreadable_lines, c.unreadable_lines) << c.text;
    const Overview overview = Summarize(read.rows);
    std::vector<std::vector<int>> pupils;
    for (const PupilLine& pupil : overview.pupils) {
      pupils.push_back({pupil.tasks, pupil.right, pupil.wrong, pupil.skipped});
    }
    EXPECT_EQ(pupils, c.pupils) << c.text;
    EXPECT_EQ(overview.tasks.size(), c.tasks) << c.text;
    std::vector<std::string> mistakes;
    for (const MistakeLine& line : overview.mistakes) {
      const char* kind = line.kind == MistakeLine::Kind::kWrongChange ? "wrong"
                         : line.kind == MistakeLine::Kind::kMissing   ? "missing"
                                                                      : "unneeded";
      mistakes.push_back(kind + (line.caption.empty() ? "" : " " + line.caption) + " " +
                         std::to_string(line.count));
    }
    EXPECT_EQ(mistakes, c.mistakes) << c.text;
    // Rows hold what they repeat once: a school year's rows fit in memory.
    for (std::size_t k = 1; k < read.rows.size(); ++k) {
      const ResultRow& a = read.rows[k - 1];
      const ResultRow& b = read.rows[k];
      if (a.login == b.login) EXPECT_EQ(&a.login.get(), &b.login.get()) << c.text;
      if (a.pieces == b.pieces) EXPECT_EQ(&a.pieces.get(), &b.pieces.get()) << c.text;
    }
  }
}

// What a task's line says: who answered it, how many right, and the wrong
// answer given most; the first files' pieces get their counts from the change.
TEST(Overview, TasksAndTheirCommonWrongAnswer) {
  const ResultsRead read =
      ReadResults(kFirstHeader +
                  "t1,a,,lev,2,7,3,40.86,50.00,9.41,5 2,9.14,5 2 0.10 0.02,грешно\r\n"
                  "t2,b,,lev,2,7,3,40.86,50.00,9.41,5 2 0.10 0.02,9.14,5 2 0.10 0.02,грешно\r\n"
                  "t3,c,,lev,2,7,3,40.86,50.00,9.14,5 2 0.10 0.02,9.14,5 2 0.10 0.02,вярно\r\n"
                  "t4,d,,lev,2,7,3,40.86,50.00,,,9.14,5 2 0.10 0.02,пропусната\r\n");
  ASSERT_EQ(read.rows.size(), 4u);
  EXPECT_EQ(read.rows[0].pieces,
            (std::vector<Piece>{{"5", 1}, {"2", 2}, {"0.10", 1}, {"0.02", 2}}));
  const Overview overview = Summarize(read.rows);
  ASSERT_EQ(overview.tasks.size(), 1u);
  const TaskLine& task = overview.tasks[0];
  EXPECT_EQ(task.answered, 3);
  EXPECT_EQ(task.right, 1);
  EXPECT_EQ(task.common_wrong, "9.41");
  EXPECT_EQ(task.common_wrong_count, 2);
  EXPECT_EQ(task.price, 4086);
  EXPECT_EQ(overview.pupils[0].last_time, "t1");
}

// The right change with a coin missing is no wrong answer: the task's
// common wrong answer is a wrong change, and where only coins were wrong
// there is none.
TEST(Overview, ACommonWrongAnswerIsAWrongChange) {
  const ResultsRead read = ReadResults(
      kHeader +
      "t1,a,,lev,2,№7,1,1,21.46,30.00,8.54,5 2 1 0.50,8.54,5 2×2 0.50 0.02,грешна\r\n"
      "t2,b,,lev,2,№7,1,1,21.46,30.00,8.54,5 2 1 0.50,8.54,5 2×2 0.50 0.02,грешна\r\n"
      "t3,c,,lev,2,№7,1,1,21.46,30.00,8.45,5 2 0.50 0.02,8.54,5 2×2 0.50 0.02,грешна\r\n"
      "t4,a,,lev,2,№7,1,2,1.50,2.00,0.50,0.20,0.50,0.50,грешна\r\n");
  const Overview overview = Summarize(read.rows);
  ASSERT_EQ(overview.tasks.size(), 2u);
  EXPECT_EQ(overview.tasks[0].common_wrong, "8.45");
  EXPECT_EQ(overview.tasks[0].common_wrong_count, 1);
  EXPECT_EQ(overview.tasks[1].common_wrong, "");
  EXPECT_EQ(overview.tasks[1].common_wrong_count, 0);
}

// Who is who, and how far they came: two pupils named Иван at the same
// time on two computers, one of them leaving after 3 of 10 tasks; Мария
// moving to another computer after a crash, one pupil; two pupils without a
// name on one lab login; rows of a file without these columns.
TEST(Overview, PupilsToldApartAndRoundsCutShort) {
  std::vector<ResultRow> rows;
  const auto practise = [&rows](const char* name, const char* login, const char* computer,
                                const char* run, int first_minute, int tasks, int round_size) {
    ResultsContext context(login, name, &kLev, 2, 7);
    context.computer = computer;
    context.run = run;
    context.round_size = round_size;
    for (int number = 1; number <= tasks; ++number) {
      const std::string time =
          "2026-12-09T09:" + std::to_string(10 + first_minute + number) + ":00Z";
      rows.push_back(ResultRowOf(
          time, context,
          {1, number, 2518, 3000, "4.82", {"2"}, 482, {{"2", 2}}, TaskRecord::Outcome::kRight},
          number));
    }
  };
  practise("Иван", "lab", "pc-1", "r1", 0, 10, 10);
  practise("Иван", "lab", "pc-2", "r2", 2, 3, 10);
  practise("Мария", "lab", "pc-3", "r3", 0, 2, 10);
  practise("Мария", "lab", "pc-4", "r4", 5, 8, 10);
  practise("", "lab", "pc-5", "r5", 0, 1, 0);
  practise("", "lab", "pc-6", "r6", 0, 1, 0);
  practise("Ана", "ana", "", "", 0, 2, 0);  // an older version's rows
  practise("Ана", "ana", "pc-9", "r9", 0, 1, 0);
  rows.back().class_name = "5б";  // another class's Ана
  struct Line {
    std::string pupil;
    int tasks;
    std::vector<RoundProgress> unfinished;
    bool operator==(const Line&) const = default;
  };
  std::vector<Line> lines;
  for (const PupilLine& pupil : Summarize(rows).pupils) {
    lines.push_back({pupil.pupil, pupil.tasks, pupil.unfinished});
  }
  EXPECT_EQ(lines, (std::vector<Line>{{"Иван (pc-1)", 10, {}},
                                      {"Иван (pc-2)", 3, {{3, 10}}},
                                      {"Мария", 10, {{2, 10}, {8, 10}}},
                                      {"lab (pc-5)", 1, {}},
                                      {"lab (pc-6)", 1, {}},
                                      {"Ана", 2, {}},
                                      {"Ана (5б)", 1, {}}}));
}

// The rows a filter takes, the choices it offers, and the level a pupil
// tries next by their last lesson.
TEST(Overview, TheFilterAndTheLevelToTry) {
  std::vector<ResultRow> rows;
  const auto add = [&rows](const char* class_name, const char* lesson, const char* day, int level,
                           const Currency* currency, int right, int of) {
    ResultsContext context("lab", "Ива", currency, level, 7);
    context.lesson = lesson;
    for (int task = 1; task <= of; ++task) {
      rows.push_back(
          ResultRowOf(std::string(day) + "T09:0" + std::to_string(task) + ":00Z", context,
                      {1,
                       task,
                       2518,
                       3000,
                       "4.82",
                       {"2"},
                       482,
                       {{"2", 2}},
                       task <= right ? TaskRecord::Outcome::kRight : TaskRecord::Outcome::kWrong}));
      rows.back().class_name = class_name;
    }
  };
  add("5а", "Б", "2026-10-05", 1, &kLev, 2, 5);
  add("5а", "А", "2026-10-12", 2, &kEuro, 5, 5);
  add("5б", "Б", "2026-10-19", 3, &kLev, 1, 2);
  const struct {
    RowFilter filter;
    std::size_t rows;
    std::size_t lessons;
  } cases[] = {{{}, 12, 2},
               {{"5а"}, 10, 2},
               {{"", "Б"}, 7, 1},
               {{"", "", "2026-10-12"}, 7, 2},
               {{"", "", "", "2026-10-11"}, 5, 1},
               {{"", "", "", "", 2}, 5, 1},
               {{"", "", "", "", 0, "lev"}, 7, 1},
               {{"5б", "А"}, 0, 0}};
  for (const auto& c : cases) {
    const Overview overview = Summarize(rows, c.filter);
    EXPECT_EQ(overview.rows, c.rows) << c.filter.class_name << c.filter.lesson << c.filter.level;
    EXPECT_EQ(overview.lessons.size(), c.lessons);
  }
  const FilterChoices choices = ChoicesOf(rows);
  EXPECT_EQ(choices.lessons, (std::vector<std::string>{"Б", "А"})) << "by the time they began";
  EXPECT_EQ(choices.classes, (std::vector<std::string>{"5а", "5б"}));
  EXPECT_EQ(choices.levels, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(choices.first_day + " " + choices.last_day, "2026-10-05 2026-10-19");

  // The pupil's last lesson decides: Ива of 5а had 5 of 5 at level 2.
  EXPECT_EQ(LevelToTry(Summarize(rows).pupils.at(0)), 3);
  const struct {
    int right, of, level, next;
  } levels[] = {{5, 5, 2, 3},
                {4, 5, 2, 3},
                {3, 5, 2, 2},
                {2, 5, 2, 1},
                {1, 4, 2, 2},
                {5, 5, HighestLevel(), HighestLevel()},
                {0, 5, LowestLevel(), LowestLevel()}};
  for (const auto& c : levels) {
    rows.clear();
    add("5а", "А", "2026-10-05", c.level, &kLev, c.right, c.of);
    EXPECT_EQ(LevelToTry(Summarize(rows).pupils.at(0)), c.next) << c.right << "/" << c.of;
  }
  // Informatics tasks have no currency, and a filter of their own.
  add("5а", "И", "2026-10-26", 1, nullptr, 1, 2);
  RowFilter informatics;
  informatics.currency = "";
  EXPECT_EQ(Summarize(rows, informatics).rows, 2u);
  EXPECT_EQ(Summarize(rows).rows, rows.size());
}

// Who needs help, by the rule: under 60 % right of the last 10 answers (at
// least 5), or the same coin missed in 3 tasks; and the pupils behind each
// mistake, most first.
TEST(Overview, WhoNeedsHelpAndWhoMadeEachMistake) {
  const std::vector<std::string> all = {"2", "0.50", "0.20", "0.10", "0.02"};
  const auto without = [&all](const std::string& caption) {
    std::vector<std::string> ticked = all;
    std::erase(ticked, caption);
    return ticked;
  };
  std::vector<ResultRow> rows;
  const auto answer = [&rows](const char* name, const char* typed,
                              const std::vector<std::string>& ticked, bool right) {
    const ResultsContext context("lab", name, &kLev, 2, 7);
    rows.push_back(
        ResultRowOf("t", context,
                    {1,
                     1,
                     2518,
                     3000,
                     typed,
                     ticked,
                     482,
                     {{"2", 2}, {"0.50", 1}, {"0.20", 1}, {"0.10", 1}, {"0.02", 1}},
                     right ? TaskRecord::Outcome::kRight : TaskRecord::Outcome::kWrong}));
  };
  for (int k = 0; k < 10; ++k) answer("Мария", k < 3 ? "4.82" : "5.18", all, k < 3);
  for (int k = 0; k < 10; ++k) answer("Елица", "4.82", k < 3 ? without("0.02") : all, k >= 3);
  for (int k = 0; k < 4; ++k) answer("Иван", "5.00", all, false);
  for (const char* caption : {"0.02", "0.10", "0.20", "2"})
    answer("Петър", "4.82", without(caption), false);
  for (int k = 0; k < 6; ++k) answer("Петър", "4.82", all, true);

  const Overview overview = Summarize(rows);
  std::vector<std::string> help;
  for (const PupilLine& pupil : overview.pupils) {
    const HelpNeeded needed = NeedsHelp(pupil);
    help.push_back(pupil.pupil + ": " +
                   (needed.why == HelpNeeded::Why::kFewRight
                        ? std::to_string(needed.right) + " of " + std::to_string(needed.of)
                    : needed.why == HelpNeeded::Why::kSameCoinMissed
                        ? pupil.most_missed + " missed " + std::to_string(pupil.most_missed_tasks)
                        : "-"));
  }
  EXPECT_EQ(help, (std::vector<std::string>{"Мария: 3 of 10", "Елица: 0.02 missed 3", "Иван: -",
                                            "Петър: -"}));
  const auto missing = std::find_if(overview.mistakes.begin(), overview.mistakes.end(),
                                    [](const MistakeLine& line) { return line.caption == "0.02"; });
  ASSERT_NE(missing, overview.mistakes.end());
  EXPECT_EQ(missing->pupils,
            (std::vector<std::pair<std::string, int>>{{"Елица", 3}, {"Петър", 1}}));
  EXPECT_EQ(overview.mistakes[0].caption, "");  // the wrong change: Мария 7, Иван 4
  EXPECT_EQ(overview.mistakes[0].pupils,
            (std::vector<std::pair<std::string, int>>{{"Мария", 7}, {"Иван", 4}}));
}

// Every column of a row, written as practice writes it, reads back as the
// same row: each outcome, a name with a comma and a quote, a typed answer
// that would be a formula, a seed, a round, counted pieces and a lesson.
TEST(Overview, EveryColumnReadsBackAsItWasWritten) {
  ResultsContext context{"ivan", "Иван \"Вани\", 3 клас", &kEuro, 3, 2026};
  context.lesson = "Ресто, урок \"3\"";
  std::string file = ResultsHeader();
  std::vector<ResultRow> written;
  int line = 2;
  for (auto outcome :
       {TaskRecord::Outcome::kRight, TaskRecord::Outcome::kWrong, TaskRecord::Outcome::kSkipped}) {
    const TaskRecord record{
        2,         line,          5043, 10000,
        "=4,57;x", {"2", "0.50"}, 4957, {{"2", 2}, {"0.50", 1}, {"0.05", 1}, {"0.02", 1}},
        outcome};
    written.push_back(
        ResultRowOf("2026-12-09T08:0" + std::to_string(line) + ":00+02:00", context, record));
    written.back().line = line++;
    file += ResultsLine(written.back());
  }
  const ResultsRead read = ReadResults(file);
  EXPECT_TRUE(read.unreadable_lines.empty());
  EXPECT_EQ(read.rows, written);
  EXPECT_NE(file.find(",№2026,"), std::string::npos);
  EXPECT_NE(file.find("'=4,57;x"), std::string::npos);
}

}  // namespace
}  // namespace restomer
