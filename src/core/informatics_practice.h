// Informatics practice: the pupil is given a coin system and an amount and
// says how many of each coin pay it with the fewest pieces, or whether
// greedy gives the fewest there. The tasks are the level's for the seed;
// the round, the one answer a task and the score are every practice's.
#ifndef RESTOMER_CORE_INFORMATICS_PRACTICE_H_
#define RESTOMER_CORE_INFORMATICS_PRACTICE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/informatics_tasks.h"
#include "core/practice_round.h"
#include "core/verdict.h"

namespace restomer {

// An answer: a count for each coin, in the task's order, or yes or no to
// "does greedy give the fewest here?" (none: neither was chosen).
struct InformaticsAnswer {
  std::vector<std::int64_t> counts;
  std::optional<bool> greedy_is_fewest;
};

class InformaticsPractice {
 public:
  // With `system`, every task is of that coin system.
  InformaticsPractice(std::uint64_t seed, const InformaticsLevel& level, Coins system,
                      int round_size);

  // Sets the seed's next task. The task before it, unanswered, is skipped:
  // its record, if there is one; when that skip ends the round, the next
  // task waits for the next call.
  std::optional<TaskRecord> NextTask();

  // Checks the answer to the task set, once: its record, or none when it
  // was answered before or the round is over.
  std::optional<TaskRecord> Check(const InformaticsAnswer& answer);

  // The task set, left when practice ends: skipped unless it was answered.
  std::optional<TaskRecord> Abandon();

  const InformaticsTask& task() const { return task_; }
  const InformaticsLevel& level() const { return level_; }
  // The task's number in its round, or since the start without rounds.
  int task_number() const { return round_.task_number(); }
  const PracticeRound& round() const { return round_.round(); }

  // What the pupil reads after an answer: right or not, greedy's way and
  // the fewest, and at the end of a round its score; lines ending in "\n".
  std::string Explanation(const TaskRecord& record) const;

 private:
  TaskRecord Record(const InformaticsAnswer& answer, TaskRecord::Outcome outcome) const;

  InformaticsTasks tasks_;
  const InformaticsLevel& level_;
  NumberedRound round_;
  InformaticsTask task_;
};

}  // namespace restomer

#endif  // RESTOMER_CORE_INFORMATICS_PRACTICE_H_
