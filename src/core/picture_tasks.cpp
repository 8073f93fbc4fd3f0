#include "core/picture_tasks.h"

namespace restomer {
namespace {

constexpr PictureItem kItems[] = {
    {"apple", "ябълка"},      {"pencil", "молив"}, {"book", "книга"},         {"ball", "топка"},
    {"notebook", "тетрадка"}, {"banana", "банан"}, {"ice_cream", "сладолед"}, {"balloon", "балон"},
    {"cup", "чаша"},          {"pear", "круша"},   {"eraser", "гумичка"},     {"car", "количка"},
};

}  // namespace

std::span<const PictureItem> PictureItems() { return kItems; }

PictureTask PictureTasks::Next() {
  const PracticeTask purchase = purchases_.Next();
  const PictureItem& item = kItems[items_.Below(std::size(kItems))];
  // Every sum of hundredths can be paid with the currency's pieces.
  return {purchase, &item, *Greedy(DenominationsOf(currency_), purchase.paid)};
}

}  // namespace restomer
