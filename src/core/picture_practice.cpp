#include "core/picture_practice.h"

#include <map>

#include "core/amount_text.h"

namespace restomer {
namespace {

// What `a` has beyond `b`, value by value, largest first.
Payment Beyond(const Payment& a, const Payment& b) {
  std::map<std::int64_t, std::int64_t, std::greater<>> counts;
  for (const auto& [value, count] : a.counts) counts[value] += count;
  for (const auto& [value, count] : b.counts) counts[value] -= count;
  Payment beyond;
  for (const auto& [value, count] : counts) {
    if (count > 0) beyond.counts.emplace_back(value, count);
  }
  return beyond;
}

}  // namespace

std::vector<Piece> PiecesOf(const Payment& payment, const Currency& currency) {
  std::vector<Piece> pieces;
  for (const auto& [value, count] : payment.counts) {
    for (std::size_t i = 0; i < currency.hundredths.size(); ++i) {
      if (currency.hundredths[i] == value && count > 0) {
        pieces.push_back({currency.captions[i], static_cast<int>(count)});
      }
    }
  }
  return pieces;
}

PicturePractice::PicturePractice(std::uint64_t seed, const Level& level, const Currency& currency,
                                 bool fewest, int round_size)
    : tasks_(seed, level, currency),
      level_(level),
      currency_(currency),
      fewest_(fewest),
      round_(round_size) {
  NextTask();
}

std::optional<TaskRecord> PicturePractice::NextTask() {
  const std::optional<TaskRecord> skipped = round_.HasTask() ? Abandon() : std::nullopt;
  // The round's end stands until the next task is asked for.
  if (skipped && round().IsOver()) return skipped;
  task_ = tasks_.Next();
  round_.SetNext();
  return skipped;
}

Payment PicturePractice::Fewest() const { return *Greedy(DenominationsOf(currency_), change()); }

std::optional<PictureCheck> PicturePractice::Check(const Payment& given) {
  if (!round_.MayAnswer()) return std::nullopt;
  const Payment fewest = Fewest();
  PictureCheck check{{},
                     given.Sum(),
                     given.Pieces(),
                     fewest.Pieces(),
                     Beyond(fewest, given),
                     Beyond(given, fewest)};
  const bool right = given.Sum() == change() && (!fewest_ || given.Pieces() == fewest.Pieces());
  check.record = *round_.Count(
      Record(given, right ? TaskRecord::Outcome::kRight : TaskRecord::Outcome::kWrong));
  return check;
}

std::optional<TaskRecord> PicturePractice::Abandon() {
  if (!round_.MayAnswer()) return std::nullopt;
  return round_.Count(Record({}, TaskRecord::Outcome::kSkipped));
}

// The pieces given are the ticks, a caption for each piece, so that the
// overview counts the pieces a pupil leaves out or adds; their sum is the
// change "typed".
TaskRecord PicturePractice::Record(const Payment& given, TaskRecord::Outcome outcome) const {
  TaskRecord record{};
  record.price = task_.purchase.price;
  record.paid = task_.purchase.paid;
  record.change = change();
  record.pieces = PiecesOf(Fewest(), currency_);
  record.outcome = outcome;
  record.kind = TaskKind::kPictures;
  if (outcome == TaskRecord::Outcome::kSkipped) return record;
  record.typed = AmountText(given.Sum());
  for (const Piece& piece : PiecesOf(given, currency_)) {
    record.ticked.insert(record.ticked.end(), piece.count, piece.caption);
  }
  return record;
}

}  // namespace restomer
