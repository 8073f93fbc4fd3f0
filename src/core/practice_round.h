// What every kind of practice shares: tasks set one after another, one
// answer each, the score, the end of a round and the start of the next. A
// kind of practice sets its tasks and judges its answers; the round counts
// them and numbers the records that become results rows.
#ifndef RESTOMER_CORE_PRACTICE_ROUND_H_
#define RESTOMER_CORE_PRACTICE_ROUND_H_

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/verdict.h"

namespace restomer {

class PracticeRound {
 public:
  // `round_size` tasks a round; 0: no rounds, practice goes on.
  explicit PracticeRound(int round_size) : round_size_(round_size) {}

  // A task is set: the next round begins when the last one is over, and a
  // task of that key may be answered again, since the seed may bring the
  // same task twice.
  void SetTask(const std::string& key);
  // Starts the next round when the last one is over, as before a task the
  // pupil sets themselves.
  void StartNextIfOver();

  // Whether the task of that key may still be answered: not once the round
  // is over, nor after it has been answered or skipped.
  Verdict::Kind Admit(const std::string& key) const;
  bool MayAnswer(const std::string& key) const { return Admit(key) == Verdict::Kind::kChecked; }

  // Counts the answer (or the skip) to the task of that key, once, and
  // numbers `record` in its round. Call only where MayAnswer.
  void Count(const std::string& key, TaskRecord& record);

  bool IsOver() const { return round_size_ > 0 && Done() >= round_size_; }
  // The tasks answered or skipped in this round.
  int Done() const { return answers_ + skipped_; }
  // The score while the `task`-th task of the round is set.
  Score ScoreAt(int task) const;
  // The score after the last task answered or skipped.
  Score LastScore() const { return ScoreAt(Done()); }
  // The round that has just ended, task by task; empty while it goes on.
  std::vector<TaskRecord> Ended() const;

  int round_size() const { return round_size_; }
  int round_number() const { return round_number_; }
  int answers() const { return answers_; }
  int right_answers() const { return right_answers_; }
  int skipped() const { return skipped_; }

 private:
  int round_size_;
  int round_number_ = 1;
  int answers_ = 0;
  int right_answers_ = 0;
  int skipped_ = 0;
  std::vector<TaskRecord> round_;
  // Every task answered or skipped, so that none is counted twice.
  std::set<std::string> done_;
};

// The round of a kind whose tasks the pupil cannot set: each task is keyed
// by the order it was set in, so a seed's repeat is a new task.
class NumberedRound {
 public:
  explicit NumberedRound(int round_size) : round_(round_size) {}

  // Whether a task has been set: the one to skip before the next.
  bool HasTask() const { return tasks_set_ > 0; }
  void SetNext();
  bool MayAnswer() const { return round_.MayAnswer(Key()); }
  // Counts `record` as the answer to (or the skip of) the task set, once.
  std::optional<TaskRecord> Count(TaskRecord record);

  // The task's number in its round, or since the start without rounds.
  int task_number() const { return task_number_; }
  const PracticeRound& round() const { return round_; }

 private:
  std::string Key() const { return std::to_string(tasks_set_); }

  PracticeRound round_;
  int tasks_set_ = 0;
  int task_number_ = 0;
};

}  // namespace restomer

#endif  // RESTOMER_CORE_PRACTICE_ROUND_H_
