#include "core/picture_wording.h"

#include "core/amount_text.h"
#include "core/amount_words.h"

namespace restomer {
namespace {

// A sentence's full stop, unless it ends with one already ("… 5 лв.").
std::string Stopped(std::string text) {
  if (!text.ends_with('.')) text += '.';
  return text;
}

}  // namespace

std::string PictureWording::Amount(std::int64_t hundredths) const {
  return numbers_.Denomination(AmountText(hundredths));
}

std::string PictureWording::Story(const PictureTask& task) const {
  return Stopped("Клиентът купува " + std::string(task.item->name) + " за " +
                 Amount(task.purchase.price) + " и дава " + Amount(task.purchase.paid));
}

std::string PictureWording::StoryInWords(const PictureTask& task) const {
  return "Клиентът купува " + std::string(task.item->name) + " за " +
         AmountInWords(task.purchase.price, currency_) + " и дава " +
         AmountInWords(task.purchase.paid, currency_) + ". Върни рестото.";
}

std::string PictureWording::Instruction(bool fewest) {
  return fewest ? "Върни рестото с най-малко монети и банкноти: сложи ги на тезгяха и "
                  "натисни „Готово“."
                : "Върни рестото: сложи монети и банкноти на тезгяха и натисни „Готово“.";
}

std::string PictureWording::PaperInstruction(bool fewest) {
  return fewest ? "Огради най-малко монети и банкноти, които правят рестото."
                : "Огради монети и банкноти, които правят рестото.";
}

std::vector<std::string> PictureWording::VerdictLines(const PictureCheck& check) const {
  const std::int64_t change = check.record.change;
  if (check.IsRight()) {
    std::vector<std::string> lines = {Stopped("Вярно! Рестото е " + Amount(change))};
    if (check.given_pieces > check.fewest_pieces) {
      lines.push_back("Може и с по-малко: " + std::to_string(check.fewest_pieces) + " вместо " +
                      std::to_string(check.given_pieces) + ".");
    }
    return lines;
  }
  std::vector<std::string> lines = {Stopped("Не е вярно. Рестото е " + Amount(change))};
  if (!check.SumIsRight()) {
    lines.push_back(Stopped("Ти даде " + Amount(check.given_sum)));
  } else {
    lines.push_back("Сумата е вярна, но с " + std::to_string(check.given_pieces) +
                    " бройки; най-малко са " + std::to_string(check.fewest_pieces) + ".");
  }
  if (!check.missing.counts.empty()) lines.push_back("Липсват: " + PiecesText(check.missing));
  if (!check.unneeded.counts.empty()) {
    lines.push_back("Не са нужни: " + PiecesText(check.unneeded));
  }
  return lines;
}

std::string PictureWording::VerdictInWords(const PictureCheck& check) const {
  return std::string(check.IsRight() ? "Вярно!" : "Не е вярно.") + " Рестото е " +
         AmountInWords(check.record.change, currency_) + ".";
}

std::string PictureWording::StepLine(const CountUpStep& step) const {
  return Amount(step.sum) + " + " + std::to_string(step.count) + " × " + Amount(step.value) +
         " = " + Amount(step.sum + step.count * step.value);
}

std::string PictureWording::PieceName(std::int64_t value) const {
  const bool whole = value % 100 == 0;
  const std::int64_t number = whole ? value / 100 : value;
  const UnitWords& unit = whole ? currency_.whole_unit : currency_.hundredth;
  return std::string(IsBanknote(value) ? "банкнота " : "монета ") + std::to_string(number) + " " +
         (number == 1 ? unit.one : unit.many);
}

std::string PictureWording::PiecesText(const Payment& payment) const {
  return Stopped(numbers_.Pieces(PiecesOf(payment, currency_)));
}

}  // namespace restomer
