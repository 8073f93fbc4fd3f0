#include "core/overview.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "core/pieces.h"
#include "core/typed_amount.h"

namespace restomer {
namespace {

// Whether the change typed was the change: read with either decimal mark,
// as practice read it on whichever computer the pupil sat at.
bool ChangeIsWrong(const ResultRow& row) {
  return ReadTypedAmount(row.typed, RegionalSettings{}).hundredths != row.change;
}

// Counts things in the order they first come, so that a table keeps the
// file's order until it is sorted.
template <typename Key, typename Line>
Line& LineFor(std::map<Key, std::size_t>& index, std::vector<Line>& lines, const Key& key) {
  const auto [at, added] = index.try_emplace(key, lines.size());
  if (added) lines.emplace_back();
  return lines[at->second];
}

}  // namespace

Overview Summarize(const std::vector<ResultRow>& rows) {
  Overview overview;
  std::map<std::string, std::size_t> pupils;
  using TaskKey = std::tuple<std::string, int, std::string, int, int, std::int64_t, std::int64_t>;
  std::map<TaskKey, std::size_t> tasks;
  std::map<TaskKey, std::map<std::string, int>> wrong_answers;
  std::map<std::tuple<MistakeLine::Kind, std::string, std::string>, std::size_t> mistakes;

  const auto mistake = [&](MistakeLine::Kind kind, const std::string& currency,
                           const std::string& caption) {
    MistakeLine& line = LineFor(mistakes, overview.mistakes, {kind, currency, caption});
    line.kind = kind;
    line.currency = currency;
    line.caption = caption;
    ++line.count;
  };

  for (const ResultRow& row : rows) {
    const std::string& who = row.name.empty() ? row.login : row.name;
    PupilLine& pupil = LineFor(pupils, overview.pupils, who);
    pupil.pupil = who;
    ++pupil.tasks;
    pupil.levels.insert(row.level);
    if (row.time > pupil.last_time) pupil.last_time = row.time;

    const TaskKey key{row.currency, row.level, row.seed, row.round, row.task, row.price, row.paid};
    TaskLine& task = LineFor(tasks, overview.tasks, key);
    std::tie(task.currency, task.level, task.seed, task.round, task.task, task.price, task.paid) =
        key;

    switch (row.outcome) {
      case TaskRecord::Outcome::kSkipped:
        ++pupil.skipped;
        continue;
      case TaskRecord::Outcome::kRight:
        ++pupil.right;
        ++task.answered;
        ++task.right;
        continue;
      case TaskRecord::Outcome::kWrong:
        ++pupil.wrong;
        ++task.answered;
        break;
    }
    // The right change with the wrong coins is no wrong answer to name:
    // its mistakes are the coins, counted below.
    if (ChangeIsWrong(row)) {
      int& typed = wrong_answers[key][row.typed];
      if (++typed > task.common_wrong_count) {
        task.common_wrong = row.typed;
        task.common_wrong_count = typed;
      }
      mistake(MistakeLine::Kind::kWrongChange, "", "");
    }
    const PieceMistakes coins = ComparePieces(row.ticked, row.pieces);
    for (const std::string& caption : coins.missing) {
      mistake(MistakeLine::Kind::kMissing, row.currency, caption);
    }
    for (const std::string& caption : coins.unneeded) {
      mistake(MistakeLine::Kind::kUnneeded, row.currency, caption);
    }
  }
  std::stable_sort(overview.mistakes.begin(), overview.mistakes.end(),
                   [](const MistakeLine& a, const MistakeLine& b) { return a.count > b.count; });
  return overview;
}

}  // namespace restomer
