#include "core/practice.h"

#include <utility>
#include <vector>

#include "core/amount_text.h"
#include "core/button_actions.h"
#include "core/change_breakdown.h"
#include "core/pieces.h"
#include "core/typed_amount.h"

namespace restomer {
namespace {

std::vector<std::string> TickedCaptions(const FormContent& form) {
  std::vector<std::string> ticked;
  for (const CheckBox& box : form.Check1) {
    if (box.Value == 1) ticked.push_back(box.Caption);
  }
  return ticked;
}

}  // namespace

std::optional<Practice::Purchase> Practice::PurchaseOf(const FormContent& form,
                                                       int* unreadable_box) const {
  std::int64_t amounts[2] = {};
  for (int box : {kPriceBox, kPaidBox}) {
    const TypedAmount read = ReadTypedAmount(form.Text3[box].Text, settings_, currency_.unit);
    if (!read.hundredths) {
      if (unreadable_box != nullptr) *unreadable_box = box;
      return std::nullopt;
    }
    amounts[box] = *read.hundredths;
  }
  return Purchase{amounts[kPriceBox], amounts[kPaidBox]};
}

std::string Practice::KeyOf(const Purchase& purchase) {
  return std::to_string(purchase.first) + "/" + std::to_string(purchase.second);
}

void Practice::SetNextTask(FormContent& form) {
  const PracticeTask task = tasks_.Next();
  form.Text3[kPriceBox].Text = AmountText(task.price);
  form.Text3[kPaidBox].Text = AmountText(task.paid);
  round_.SetTask(KeyOf({task.price, task.paid}));
  SetOwnTask(form);
}

void Practice::SetOwnTask(FormContent& form) {
  round_.StartNextIfOver();
  form.Text3[kChangeBox].Text.clear();
  for (CheckBox& box : form.Check1) box.Value = 0;
  int unreadable = kPriceBox;
  const std::optional<Purchase> purchase = PurchaseOf(form, &unreadable);
  form.Text1[0].Text =
      purchase ? wording_.Instruction(purchase->first, purchase->second, *options_.level,
                                      round_.ScoreAt(round_.Done() + 1))
               : wording_.Unreadable(unreadable, form.Text3[unreadable].Text);
}

std::optional<TaskRecord> Practice::Click(FormContent& form, std::int16_t Index) {
  switch (Index) {
    case kClearButton:
      return Skip(form);
    case kEnterButton:
      return Check(form);
    default:
      return std::nullopt;
  }
}

TaskRecord Practice::Record(const FormContent& before, const FormContent& answered,
                            std::vector<Piece> pieces, TaskRecord::Outcome outcome) const {
  const Purchase purchase = *PurchaseOf(answered);
  return {0,
          0,  // numbered when the round counts it
          purchase.first,
          purchase.second,
          before.Text3[kChangeBox].Text,
          TickedCaptions(before),
          ChangeInHundredths(answered),
          std::move(pieces),
          outcome};
}

std::optional<TaskRecord> Practice::Abandon(const FormContent& form) {
  const std::optional<Purchase> purchase = PurchaseOf(form);
  if (!purchase || !round_.MayAnswer(KeyOf(*purchase))) return std::nullopt;
  FormContent answered = form;
  answered.Text3[kPriceBox].Text = AmountText(purchase->first);
  answered.Text3[kPaidBox].Text = AmountText(purchase->second);
  std::vector<Piece> pieces;
  if (Command1Click(answered, kEnterButton, settings_, currency_, &pieces) !=
      ClickOutcome::kChangeShown) {
    return std::nullopt;
  }
  TaskRecord record = Record(form, answered, std::move(pieces), TaskRecord::Outcome::kSkipped);
  round_.Count(KeyOf(*purchase), record);
  return record;
}

std::optional<TaskRecord> Practice::Skip(FormContent& form) {
  const std::optional<TaskRecord> record = Abandon(form);
  if (record && round_.IsOver()) {  // the last task of the round: its summary, not a new task
    const Score score = round_.ScoreAt(record->number);
    form.Text1[0].Text = wording_.ScoreLine(score) + wording_.Summary(round_.Ended(), score);
    return record;
  }
  SetNextTask(form);
  return record;
}

std::optional<TaskRecord> Practice::Check(FormContent& form) {
  int unreadable = kPriceBox;
  const std::optional<Purchase> purchase = PurchaseOf(form, &unreadable);
  if (!purchase) {
    form.Text1[0].Text = wording_.Unreadable(unreadable, form.Text3[unreadable].Text);
    return std::nullopt;
  }
  // The amounts as they were read, so that the change and the count-up are
  // those of the purchase the pupil was shown.
  form.Text3[kPriceBox].Text = AmountText(purchase->first);
  form.Text3[kPaidBox].Text = AmountText(purchase->second);
  const FormContent before = form;
  // The demonstration's answer: the change, the ticks and the count-up, or
  // its message for amounts that cannot be answered.
  std::vector<Piece> pieces;
  if (Command1Click(form, kEnterButton, settings_, currency_, &pieces) !=
      ClickOutcome::kChangeShown) {
    return std::nullopt;
  }
  std::optional<TaskRecord> record;
  Verdict verdict;
  verdict.kind = round_.Admit(KeyOf(*purchase));
  if (verdict.kind == Verdict::Kind::kChecked) {
    const PieceMistakes mistakes = ComparePieces(TickedCaptions(before), pieces);
    const TypedAmount typed =
        ReadTypedAmount(before.Text3[kChangeBox].Text, settings_, currency_.unit);
    verdict.typed = before.Text3[kChangeBox].Text;
    verdict.typed_is_amount = typed.is_amount;
    verdict.change = ChangeInHundredths(form);
    verdict.change_is_wrong = typed.hundredths != verdict.change;
    verdict.unneeded = mistakes.unneeded;
    verdict.missing = mistakes.missing;
    record = Record(before, form, std::move(pieces),
                    verdict.IsRight() ? TaskRecord::Outcome::kRight : TaskRecord::Outcome::kWrong);
    round_.Count(KeyOf(*purchase), *record);
  }
  // The verdict and the score first, where the trace box shows them without
  // scrolling, then the round's summary after its last task, then the
  // count-up that explains the answer.
  const Score score = round_.LastScore();
  form.Text1[0].Text = wording_.VerdictLines(verdict) + wording_.ScoreLine(score) +
                       (round_.IsOver() ? wording_.Summary(round_.Ended(), score) : "") +
                       form.Text1[0].Text;
  return record;
}

}  // namespace restomer
