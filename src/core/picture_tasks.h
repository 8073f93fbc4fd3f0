// The purchases of practice with pictures: what is bought, its price, and
// the banknotes and coins the customer pays with.
#ifndef RESTOMER_CORE_PICTURE_TASKS_H_
#define RESTOMER_CORE_PICTURE_TASKS_H_

#include <cstdint>
#include <span>
#include <string_view>

#include "core/coin_system.h"
#include "core/currency.h"
#include "core/task_generator.h"

namespace restomer {

// A thing a pupil can buy: its key, by which the window finds its picture,
// and its Bulgarian name.
struct PictureItem {
  std::string_view key;
  std::string_view name;
};
// Every thing there is a picture of.
std::span<const PictureItem> PictureItems();

struct PictureTask {
  PracticeTask purchase;
  const PictureItem* item;
  // The pieces the customer hands over: the fewest that make the sum paid.
  Payment handed;
};

// The tasks of one seed and level, always the same sequence.
class PictureTasks {
 public:
  PictureTasks(std::uint64_t seed, const Level& level, const Currency& currency)
      : purchases_(seed, level), items_(seed), currency_(currency) {}
  PictureTask Next();

 private:
  TaskGenerator purchases_;
  SeededNumbers items_;
  const Currency& currency_;
};

}  // namespace restomer

#endif  // RESTOMER_CORE_PICTURE_TASKS_H_
