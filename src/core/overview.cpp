#include "core/overview.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <tuple>

#include "core/lesson.h"
#include "core/pieces.h"
#include "core/typed_amount.h"

namespace restomer {
namespace {

constexpr std::size_t kNoPupil = static_cast<std::size_t>(-1);

// Whether the change typed was the change: read with either decimal mark,
// as practice read it on whichever computer the pupil sat at. An
// informatics task has no change typed: its mistakes are the coins.
bool ChangeIsWrong(const ResultRow& row) {
  return row.coins.empty() &&
         ReadTypedAmount(row.typed.get(), RegionalSettings{}).hundredths != row.change;
}

// Counts things in the order they first come, so that a table keeps the
// file's order until it is sorted.
template <typename Key, typename Line>
Line& LineFor(std::map<Key, std::size_t>& index, std::vector<Line>& lines, const Key& key) {
  const auto [at, added] = index.try_emplace(key, lines.size());
  if (added) lines.emplace_back();
  return lines[at->second];
}

// The names that are two pupils or more: the same name from two computers
// in starts of practice that overlap in time.
std::set<std::string> NamesOfSeveralPupils(const std::vector<ResultRow>& rows) {
  struct Run {
    std::string computer, first, last;
  };
  std::map<std::string, std::map<std::string, Run>> runs;  // by name, then run
  for (const ResultRow& row : rows) {
    if (row.name.empty() || row.run.empty()) continue;
    auto [at, added] = runs[row.name].try_emplace(row.run, Run{row.computer, row.time, row.time});
    at->second.first = std::min(at->second.first, row.time.get());
    at->second.last = std::max(at->second.last, row.time.get());
  }
  std::set<std::string> names;
  for (const auto& [name, of_name] : runs) {
    for (auto a = of_name.begin(); a != of_name.end(); ++a) {
      for (auto b = std::next(a); b != of_name.end(); ++b) {
        const Run &x = a->second, &y = b->second;
        if (x.computer != y.computer && x.first <= y.last && y.first <= x.last) names.insert(name);
      }
    }
  }
  return names;
}

// The pupil of a row, and the name to show for them.
struct Pupil {
  std::string key, shown;
};

// Pupils of two classes are two pupils; a name in several classes is
// shown with its class ("Мария (5б)").
Pupil PupilOf(const ResultRow& row, const std::set<std::string>& names_of_several,
              const std::set<std::string>& names_in_classes) {
  const bool by_computer = row.name.empty() || names_of_several.contains(row.name);
  const std::string& who = row.name.empty() ? row.login : row.name;
  Pupil pupil{row.class_name.get() + '\x1F' + who, who};
  if (by_computer && !row.computer.empty()) {
    pupil.key += '\x1F' + row.computer.get();
    pupil.shown += " (" + row.computer + ")";
  }
  if (names_in_classes.contains(who) && !row.class_name.empty())
    pupil.shown += " (" + row.class_name + ")";
  return pupil;
}

// The names of pupils in more than one class.
std::set<std::string> NamesInSeveralClasses(const std::vector<ResultRow>& rows) {
  std::map<std::string, std::string> class_of;
  std::set<std::string> names;
  for (const ResultRow& row : rows) {
    const std::string& who = row.name.empty() ? row.login : row.name;
    const auto [at, added] = class_of.try_emplace(who, row.class_name);
    if (!added && at->second != row.class_name) names.insert(who);
  }
  return names;
}

// The rounds each pupil began and left before their end, in the order the
// rows give them. Rows without their run and round size tell nothing.
void MarkUnfinishedRounds(const std::vector<ResultRow>& rows,
                          const std::vector<std::size_t>& pupil_of,
                          std::vector<PupilLine>& pupils) {
  std::map<std::tuple<std::size_t, std::string, int>, std::size_t> index;
  std::vector<std::pair<std::size_t, RoundProgress>> rounds;
  std::vector<std::set<int>> tasks;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ResultRow& row = rows[i];
    if (row.run.empty() || row.round_size <= 0) continue;
    if (pupil_of[i] == kNoPupil) continue;
    const auto [at, added] = index.try_emplace({pupil_of[i], row.run, row.round}, rounds.size());
    if (added) {
      rounds.push_back({pupil_of[i], {0, row.round_size}});
      tasks.emplace_back();
    }
    tasks[at->second].insert(row.task);
  }
  for (std::size_t i = 0; i < rounds.size(); ++i) {
    auto& [pupil, progress] = rounds[i];
    progress.done = static_cast<int>(tasks[i].size());
    if (progress.done < progress.size) pupils[pupil].unfinished.push_back(progress);
  }
}

// One more of `name`'s, in a list of counts kept in the order first seen.
void CountFor(std::vector<std::pair<std::string, int>>& counts, const std::string& name) {
  const auto at = std::find_if(counts.begin(), counts.end(),
                               [&name](const auto& count) { return count.first == name; });
  if (at == counts.end()) {
    counts.emplace_back(name, 1);
  } else {
    ++at->second;
  }
}

void RememberOutcome(PupilLine& pupil, TaskRecord::Outcome outcome) {
  if (outcome == TaskRecord::Outcome::kSkipped) return;
  pupil.recent.push_back(outcome);
  if (pupil.recent.size() > static_cast<std::size_t>(kRecentTasks)) {
    pupil.recent.erase(pupil.recent.begin());
  }
}

void CountIn(LessonShare& lesson, const ResultRow& row) {
  if (lesson.tasks == 0 || row.time < lesson.began) lesson.began = row.time;
  lesson.lesson = row.lesson;
  ++lesson.tasks;
  if (row.outcome == TaskRecord::Outcome::kRight) ++lesson.right;
}

// One more task of `row`'s lesson for a pupil. A pupil's rows of a lesson
// mostly come together, so the search starts from the last.
void CountInLesson(std::vector<LessonShare>& lessons, const ResultRow& row) {
  auto at = std::find_if(lessons.rbegin(), lessons.rend(),
                         [&row](const LessonShare& lesson) { return lesson.lesson == row.lesson; });
  CountIn(at != lessons.rend() ? *at : lessons.emplace_back(), row);
}

void SortByTime(std::vector<LessonShare>& lessons) {
  std::stable_sort(lessons.begin(), lessons.end(),
                   [](const LessonShare& a, const LessonShare& b) { return a.began < b.began; });
}

// By pupil, the tasks in which each denomination (currency, caption) was
// missing.
using Missed = std::map<std::size_t, std::map<std::pair<std::string, std::string>, int>>;

void MarkMostMissed(const Missed& missed, std::vector<PupilLine>& pupils) {
  for (const auto& [pupil, counts] : missed) {
    for (const auto& [denomination, tasks] : counts) {
      if (tasks <= pupils[pupil].most_missed_tasks) continue;
      std::tie(pupils[pupil].most_missed_currency, pupils[pupil].most_missed) = denomination;
      pupils[pupil].most_missed_tasks = tasks;
    }
  }
}

}  // namespace

HelpNeeded NeedsHelp(const PupilLine& pupil) {
  const int answered = static_cast<int>(pupil.recent.size());
  const int right = static_cast<int>(
      std::count(pupil.recent.begin(), pupil.recent.end(), TaskRecord::Outcome::kRight));
  if (answered >= kFewestRecentTasks && right < kShareRightNeeded * answered) {
    return {HelpNeeded::Why::kFewRight, right, answered};
  }
  if (pupil.most_missed_tasks >= kSameCoinMissed) return {HelpNeeded::Why::kSameCoinMissed};
  return {};
}

int LevelToTry(const PupilLine& pupil) {
  if (pupil.lessons.empty()) return pupil.last_level;
  const LessonShare& last = pupil.lessons.back();
  int level = pupil.last_level;
  if (last.tasks >= kFewestRecentTasks && last.ShareRight() >= kShareRightToMoveUp) {
    ++level;
  } else if (last.tasks >= kFewestRecentTasks && last.ShareRight() < kShareRightNeeded) {
    --level;
  }
  return std::clamp(level, LowestLevel(), HighestLevel());
}

namespace {

// The counting of Summarize, a row at a time.
class Summary {
 public:
  explicit Summary(const std::vector<ResultRow>& rows)
      : names_of_several_(NamesOfSeveralPupils(rows)),
        names_in_classes_(NamesInSeveralClasses(rows)),
        pupil_of_(rows.size(), kNoPupil) {}

  // The `index`-th row.
  void Add(const ResultRow& row, std::size_t index) {
    const Pupil who = PupilOf(row, names_of_several_, names_in_classes_);
    PupilLine& pupil = AddToPupil(row, index, who);
    ++overview_.rows;
    CountIn(LineFor(lessons_, overview_.lessons, row.lesson.get()), row);
    const TaskKey key{row.currency, row.level, row.seed, row.round, row.task, row.price, row.paid};
    TaskLine& task = LineFor(tasks_, overview_.tasks, key);
    std::tie(task.currency, task.level, task.seed, task.round, task.task, task.price, task.paid) =
        key;
    switch (row.outcome) {
      case TaskRecord::Outcome::kSkipped:
        ++pupil.skipped;
        return;
      case TaskRecord::Outcome::kRight:
        ++pupil.right;
        ++task.answered;
        ++task.right;
        return;
      case TaskRecord::Outcome::kWrong:
        ++pupil.wrong;
        ++task.answered;
        AddMistakes(row, key, task, pupil_of_[index], who.shown);
        return;
    }
  }

  Overview Finish(const std::vector<ResultRow>& rows) {
    MarkUnfinishedRounds(rows, pupil_of_, overview_.pupils);
    MarkMostMissed(missed_, overview_.pupils);
    SortByTime(overview_.lessons);
    for (PupilLine& pupil : overview_.pupils) SortByTime(pupil.lessons);
    const auto more = [](const auto& a, const auto& b) { return a.second > b.second; };
    for (MistakeLine& line : overview_.mistakes) {
      std::stable_sort(line.pupils.begin(), line.pupils.end(), more);
    }
    std::stable_sort(overview_.mistakes.begin(), overview_.mistakes.end(),
                     [](const MistakeLine& a, const MistakeLine& b) { return a.count > b.count; });
    return std::move(overview_);
  }

 private:
  using TaskKey = std::tuple<std::string, int, std::string, int, int, std::int64_t, std::int64_t>;

  PupilLine& AddToPupil(const ResultRow& row, std::size_t index, const Pupil& who) {
    PupilLine& pupil = LineFor(pupils_, overview_.pupils, who.key);
    pupil_of_[index] = pupils_[who.key];
    pupil.pupil = who.shown;
    pupil.rows.push_back(index);
    CountInLesson(pupil.lessons, row);
    ++pupil.tasks;
    pupil.levels.insert(row.level);
    if (row.time >= pupil.last_time) {
      pupil.last_time = row.time;
      pupil.last_level = row.level;
    }
    RememberOutcome(pupil, row.outcome);
    return pupil;
  }

  void AddMistakes(const ResultRow& row, const TaskKey& key, TaskLine& task, std::size_t pupil,
                   const std::string& who) {
    // The right change with the wrong coins is no wrong answer to name:
    // its mistakes are the coins, counted below.
    if (ChangeIsWrong(row)) {
      int& typed = wrong_answers_[key][row.typed];
      if (++typed > task.common_wrong_count) {
        task.common_wrong = row.typed;
        task.common_wrong_count = typed;
      }
      AddMistake(MistakeLine::Kind::kWrongChange, "", "", who);
    }
    const PieceMistakes coins = ComparePieces(row.ticked, row.pieces);
    for (const std::string& caption : coins.missing) {
      AddMistake(MistakeLine::Kind::kMissing, row.currency, caption, who);
      ++missed_[pupil][{row.currency, caption}];
    }
    for (const std::string& caption : coins.unneeded) {
      AddMistake(MistakeLine::Kind::kUnneeded, row.currency, caption, who);
    }
  }

  void AddMistake(MistakeLine::Kind kind, const std::string& currency, const std::string& caption,
                  const std::string& who) {
    MistakeLine& line = LineFor(mistakes_, overview_.mistakes, {kind, currency, caption});
    line.kind = kind;
    line.currency = currency;
    line.caption = caption;
    ++line.count;
    CountFor(line.pupils, who);
  }

  const std::set<std::string> names_of_several_;
  const std::set<std::string> names_in_classes_;
  Overview overview_;
  std::map<std::string, std::size_t> pupils_;
  std::map<std::string, std::size_t> lessons_;
  std::vector<std::size_t> pupil_of_;  // of each row; kNoPupil for a row not counted
  std::map<TaskKey, std::size_t> tasks_;
  std::map<TaskKey, std::map<std::string, int>> wrong_answers_;
  std::map<std::tuple<MistakeLine::Kind, std::string, std::string>, std::size_t> mistakes_;
  Missed missed_;
};

}  // namespace

Overview Summarize(const std::vector<ResultRow>& rows, const RowFilter& filter) {
  Summary summary(rows);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (filter.Takes(rows[i])) summary.Add(rows[i], i);
  }
  return summary.Finish(rows);
}

}  // namespace restomer
