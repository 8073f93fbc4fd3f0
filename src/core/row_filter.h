// Which rows the overview counts: a teacher narrows a school year of rows
// to a class, a lesson, some days, a level or a currency.
#ifndef RESTOMER_CORE_ROW_FILTER_H_
#define RESTOMER_CORE_ROW_FILTER_H_

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/results_columns.h"

namespace restomer {

// Empty texts and a level of 0 take any row.
struct RowFilter {
  std::string class_name;
  std::string lesson;
  std::string first_day;  // "2026-10-01", inclusive
  std::string last_day;
  int level = 0;
  // Any currency when none; "" is the informatics tasks, which have none.
  std::optional<std::string> currency;
  std::optional<TaskKind> kind;
  bool TakesAll() const { return *this == RowFilter{}; }
  bool Takes(const ResultRow& row) const;
  bool operator==(const RowFilter&) const = default;
};

// What the rows hold to filter by, each in order; lessons by the time
// they began.
struct FilterChoices {
  std::vector<std::string> classes;
  std::vector<std::string> lessons;
  std::vector<int> levels;
  std::vector<std::string> currencies;
  std::vector<TaskKind> kinds;
  std::string first_day, last_day;
};
FilterChoices ChoicesOf(const std::vector<ResultRow>& rows);

// "2026-10-01": the day of an ISO 8601 time.
std::string DayOf(const std::string& time);

}  // namespace restomer

#endif  // RESTOMER_CORE_ROW_FILTER_H_
