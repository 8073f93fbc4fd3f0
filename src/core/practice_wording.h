// The one place where practice's values become Bulgarian sentences: the
// instruction, the verdict, the score and a round's summary, with amounts in
// the notation of the user's locale and lists of pieces that cannot be
// misread. A translation would start here.
#ifndef RESTOMER_CORE_PRACTICE_WORDING_H_
#define RESTOMER_CORE_PRACTICE_WORDING_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/conversions.h"
#include "core/currency.h"
#include "core/task_generator.h"
#include "core/verdict.h"

namespace restomer {

class PracticeWording {
 public:
  PracticeWording(const Currency& currency, const RegionalSettings& settings)
      : currency_(currency), settings_(settings) {}

  // "4,82 лв.", "1 000,00 €".
  std::string Amount(std::int64_t hundredths) const;
  // A denomination by its caption: "2 лв.", "0,50 лв.".
  std::string Denomination(const std::string& caption) const;
  // "2 лв.; 0,50 лв.", or "без отметки".
  std::string Denominations(const std::vector<std::string>& captions) const;
  // "2 × 2 лв.; 1 × 0,50 лв.", or "без ресто".
  std::string Pieces(const std::vector<Piece>& pieces) const;

  // "Клиентът купува за 50,43 лв. и дава 55,00 лв.", one sentence.
  std::string PurchaseSentence(std::int64_t price, std::int64_t paid) const;
  // The instruction for a purchase, lines ending in CR LF: the purchase,
  // the level, what to do, and the score.
  std::string Instruction(std::int64_t price, std::int64_t paid, const Level& level,
                          const Score& score) const;
  // An amount box whose text is no amount: "Сумата за плащане „12,5x“ …".
  std::string Unreadable(int box, const std::string& text) const;
  // The verdict's lines, each ending in CR LF; none for a round that is over.
  std::string VerdictLines(const Verdict& verdict) const;
  // "Задача 3 от 10. Верни отговори: 2 от 3 (пропуснати: 1)" and CR LF;
  // nothing before the first answer without rounds.
  std::string ScoreLine(const Score& score) const;
  // The head of a round's summary: "Край на кръга: верни отговори 7 от 10, пропуснати 1."
  std::string RoundResult(const Score& score) const;
  // One task of a summary, without its number: the purchase, the answer,
  // and the right answer where it was not right.
  std::string Purchase(const TaskRecord& task) const;
  std::string Answer(const TaskRecord& task) const;
  std::string RightAnswer(const TaskRecord& task) const;
  // The round's summary, lines ending in CR LF.
  std::string Summary(const std::vector<TaskRecord>& round, const Score& score) const;

 private:
  const Currency& currency_;
  RegionalSettings settings_;
};

// "1 задача", "3 задачи".
std::string TasksInWords(int tasks);

}  // namespace restomer

#endif  // RESTOMER_CORE_PRACTICE_WORDING_H_
