// The words of practice with pictures, in one place: the task as the pupil
// reads it (amounts in the notation of the user's locale) and as a voice
// reads it (amounts in words), the verdict, and the count-up's steps.
#ifndef RESTOMER_CORE_PICTURE_WORDING_H_
#define RESTOMER_CORE_PICTURE_WORDING_H_

#include <string>
#include <vector>

#include "core/picture_practice.h"
#include "core/practice_wording.h"

namespace restomer {

class PictureWording {
 public:
  PictureWording(const Currency& currency, const RegionalSettings& settings)
      : currency_(currency), numbers_(currency, settings) {}

  // "2,20 лв.", and a whole amount without its hundredths: "5 лв.".
  std::string Amount(std::int64_t hundredths) const;
  // "Клиентът купува ябълка за 2,20 лв. и дава 5 лв."
  std::string Story(const PictureTask& task) const;
  // The story as a voice reads it, amounts in words, with what to do.
  std::string StoryInWords(const PictureTask& task) const;
  // What to do, by the lesson's rule: in the window, and on paper.
  static std::string Instruction(bool fewest);
  static std::string PaperInstruction(bool fewest);
  // The verdict's lines: right or not, the sum given, the pieces missing
  // and not needed.
  std::vector<std::string> VerdictLines(const PictureCheck& check) const;
  // The verdict as a voice reads it.
  std::string VerdictInWords(const PictureCheck& check) const;
  // "2,20 лв. + 1 × 0,20 лв. = 2,40 лв.": one step of the count-up.
  std::string StepLine(const CountUpStep& step) const;
  // "монета 50 евроцента", "банкнота 10 лева": a piece as a screen reader
  // names it.
  std::string PieceName(std::int64_t value) const;
  // The words practice of every kind shares: the score, a round's result.
  const PracticeWording& numbers() const { return numbers_; }

 private:
  std::string PiecesText(const Payment& payment) const;

  const Currency& currency_;
  PracticeWording numbers_;
};

// Banknotes are the pieces of 5 units and more.
inline bool IsBanknote(std::int64_t value) { return value >= 500; }

}  // namespace restomer

#endif  // RESTOMER_CORE_PICTURE_WORDING_H_
