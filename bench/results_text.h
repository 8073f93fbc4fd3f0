// A results file of many rows, as thirty pupils' practice writes it, for
// the benchmarks to read and report on.
#ifndef RESTOMER_BENCH_RESULTS_TEXT_H_
#define RESTOMER_BENCH_RESULTS_TEXT_H_

#include <string>
#include <vector>

#include "core/results_row.h"

inline constexpr int kRows = 100'000;

// The columns of the first results files: up to the outcome, without the
// computer, rounds' sizes, ids, lessons and coins.
inline std::vector<std::string> FirstVersionHeader() {
  std::vector<std::string> header;
  for (const restomer::ResultsColumn& column : restomer::ResultsColumns()) {
    header.emplace_back(column.header);
    if (column.id == restomer::ResultsColumnId::kOutcome) break;
  }
  return header;
}

// With `first_version`, in the columns of the first results files.
inline std::string ResultsText(int rows, bool first_version = false) {
  const std::vector<std::string> header = FirstVersionHeader();
  std::string text = restomer::kByteOrderMark +
                     (first_version ? restomer::CsvLine(header) : restomer::ResultsHeader());
  for (int k = 0; k < rows; ++k) {
    const std::string pupil = std::to_string(k % 30);
    restomer::ResultsContext context("pupil" + pupil, "Ученик " + pupil, &restomer::kLev, 2, 2026);
    context.computer = "pc-" + pupil;
    context.run = "20261209T080000-" + pupil;
    context.round_size = 10;
    const int task = k / 30;  // of this pupil's, in twenty rounds of ten a lesson
    const restomer::TaskRecord record{
        task / 10 % 20 + 1,
        task % 10 + 1,
        5043,
        5500,
        k % 3 ? "4.57" : "4,75",
        {"2", "0.50", "0.05"},
        457,
        {{"2", 2}, {"0.50", 1}, {"0.05", 1}, {"0.02", 1}},
        k % 3 ? restomer::TaskRecord::Outcome::kRight : restomer::TaskRecord::Outcome::kWrong};
    const restomer::ResultRow row =
        restomer::ResultRowOf("2026-12-09T08:01:00+02:00", context, record, task + 1);
    text += first_version ? restomer::ResultsLineIn(row, header) : restomer::ResultsLine(row);
  }
  return text;
}

#endif  // RESTOMER_BENCH_RESULTS_TEXT_H_
