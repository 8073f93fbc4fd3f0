#include "core/row_filter.h"

#include <algorithm>
#include <map>

namespace restomer {

std::string DayOf(const std::string& time) { return time.substr(0, 10); }

bool RowFilter::Takes(const ResultRow& row) const {
  if (!class_name.empty() && row.class_name != class_name) return false;
  if (!lesson.empty() && row.lesson != lesson) return false;
  if (level != 0 && row.level != level) return false;
  if (currency && row.currency != *currency) return false;
  if (kind && row.kind != *kind) return false;
  const std::string day = DayOf(row.time);
  return (first_day.empty() || day >= first_day) && (last_day.empty() || day <= last_day);
}

FilterChoices ChoicesOf(const std::vector<ResultRow>& rows) {
  std::set<std::string> classes, currencies;
  std::set<int> levels;
  std::set<TaskKind> kinds;
  std::map<std::string, std::string> lesson_began;
  FilterChoices choices;
  for (const ResultRow& row : rows) {
    if (!row.class_name.empty()) classes.insert(row.class_name);
    currencies.insert(row.currency);
    levels.insert(row.level);
    kinds.insert(row.kind);
    auto [began, added] = lesson_began.try_emplace(row.lesson, row.time);
    if (!added) began->second = std::min(began->second, row.time.get());
    const std::string day = DayOf(row.time);
    if (choices.first_day.empty() || day < choices.first_day) choices.first_day = day;
    choices.last_day = std::max(choices.last_day, day);
  }
  choices.classes.assign(classes.begin(), classes.end());
  choices.currencies.assign(currencies.begin(), currencies.end());
  choices.levels.assign(levels.begin(), levels.end());
  choices.kinds.assign(kinds.begin(), kinds.end());
  std::vector<std::pair<std::string, std::string>> by_time;
  for (const auto& [lesson, began] : lesson_began) {
    if (!lesson.empty()) by_time.emplace_back(began, lesson);
  }
  std::sort(by_time.begin(), by_time.end());
  for (auto& [began, lesson] : by_time) choices.lessons.push_back(std::move(lesson));
  return choices;
}

}  // namespace restomer
