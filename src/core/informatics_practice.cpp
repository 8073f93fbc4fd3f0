#include "core/informatics_practice.h"

#include <utility>

#include "core/coin_wording.h"

namespace restomer {

InformaticsPractice::InformaticsPractice(std::uint64_t seed, const InformaticsLevel& level,
                                         Coins system, int round_size)
    : tasks_(seed, level, std::move(system)), level_(level), round_(round_size) {
  NextTask();
}

std::optional<TaskRecord> InformaticsPractice::NextTask() {
  const std::optional<TaskRecord> skipped = round_.HasTask() ? Abandon() : std::nullopt;
  // The round's end stands until the next task is asked for.
  if (skipped && round().IsOver()) return skipped;
  task_ = tasks_.Next();
  round_.SetNext();
  return skipped;
}

std::optional<TaskRecord> InformaticsPractice::Check(const InformaticsAnswer& answer) {
  if (!round_.MayAnswer()) return std::nullopt;
  const bool right = task_.question == InformaticsTask::Question::kIsGreedyFewest
                         ? answer.greedy_is_fewest == GreedyIsFewest(task_)
                         : IsFewest(task_, answer.counts);
  return round_.Count(
      Record(answer, right ? TaskRecord::Outcome::kRight : TaskRecord::Outcome::kWrong));
}

std::optional<TaskRecord> InformaticsPractice::Abandon() {
  if (!round_.MayAnswer()) return std::nullopt;
  return round_.Count(Record({}, TaskRecord::Outcome::kSkipped));
}

// The answer as a results row: the amount is paid and the change, the
// coins used are the ticks and the fewest way is the pieces, so that the
// overview counts the coins a pupil leaves out.
TaskRecord InformaticsPractice::Record(const InformaticsAnswer& answer,
                                       TaskRecord::Outcome outcome) const {
  TaskRecord record{};
  record.price = 0;
  record.paid = record.change = task_.amount;
  record.outcome = outcome;
  record.coins = CoinsText(task_.coins);
  record.kind = TaskKind::kInformatics;
  if (task_.question == InformaticsTask::Question::kIsGreedyFewest) {
    if (answer.greedy_is_fewest) record.typed = *answer.greedy_is_fewest ? "да" : "не";
    return record;
  }
  if (outcome != TaskRecord::Outcome::kSkipped) {
    for (std::size_t k = 0; k < answer.counts.size() && k < task_.coins.size(); ++k) {
      if (answer.counts[k] > 0) record.ticked.push_back(std::to_string(task_.coins[k]));
    }
    record.typed = CountsText(task_.coins, answer.counts);
  }
  if (const std::optional<Payment> fewest =
          FewestUpTo(task_.coins, task_.amount).PaymentOf(task_.amount)) {
    for (const auto& [value, count] : fewest->counts) {
      record.pieces.push_back({std::to_string(value), static_cast<int>(count)});
    }
  }
  return record;
}

std::string InformaticsPractice::Explanation(const TaskRecord& record) const {
  const char* verdict = record.outcome == TaskRecord::Outcome::kRight   ? "Вярно."
                        : record.outcome == TaskRecord::Outcome::kWrong ? "Не е вярно."
                                                                        : "Задачата е пропусната.";
  std::string shown = InformaticsExplanation(task_, verdict);
  if (round().IsOver()) {
    shown += "Кръгът свърши: " + std::to_string(round().right_answers()) + " от " +
             std::to_string(round().round_size()) + " верни.\n";
  }
  return shown;
}

}  // namespace restomer
