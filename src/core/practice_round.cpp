#include "core/practice_round.h"

namespace restomer {

void PracticeRound::SetTask(const std::string& key) {
  StartNextIfOver();
  done_.erase(key);
}

void PracticeRound::StartNextIfOver() {
  if (!IsOver()) return;
  answers_ = right_answers_ = skipped_ = 0;
  round_.clear();
  ++round_number_;
}

Verdict::Kind PracticeRound::Admit(const std::string& key) const {
  if (IsOver()) return Verdict::Kind::kRoundOver;
  if (done_.contains(key)) return Verdict::Kind::kAlreadyChecked;
  return Verdict::Kind::kChecked;
}

void PracticeRound::Count(const std::string& key, TaskRecord& record) {
  done_.insert(key);
  record.round = round_number_;
  record.number = Done() + 1;
  ++(record.outcome == TaskRecord::Outcome::kSkipped ? skipped_ : answers_);
  if (record.outcome == TaskRecord::Outcome::kRight) ++right_answers_;
  if (round_size_ > 0) round_.push_back(record);
}

Score PracticeRound::ScoreAt(int task) const {
  return {task, round_size_, right_answers_, Done(), skipped_};
}

std::vector<TaskRecord> PracticeRound::Ended() const {
  return IsOver() ? round_ : std::vector<TaskRecord>();
}

void NumberedRound::SetNext() {
  ++tasks_set_;
  round_.SetTask(Key());
  task_number_ = round_.Done() + 1;
}

std::optional<TaskRecord> NumberedRound::Count(TaskRecord record) {
  if (!MayAnswer()) return std::nullopt;
  round_.Count(Key(), record);
  return record;
}

}  // namespace restomer
