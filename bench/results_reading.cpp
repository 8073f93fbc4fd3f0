// How long a teacher waits for the overview of a large results file: reading
// 100,000 rows and counting them, against splitting the same file into
// fields with a plain CSV reader that understands nothing, measured in the
// same run. Prints figures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/overview.h"
#include "core/results_reader.h"
#include "core/results_row.h"

namespace {

constexpr int kRows = 100'000;
constexpr int kRuns = 5;

std::string ResultsText() {
  std::string text = restomer::kByteOrderMark + restomer::ResultsHeader();
  for (int k = 0; k < kRows; ++k) {
    const restomer::ResultsContext context{"pupil" + std::to_string(k % 30),
                                           "Ученик " + std::to_string(k % 30), &restomer::kLev, 2,
                                           2026};
    const restomer::TaskRecord record{
        k / 10 + 1,
        k % 10 + 1,
        5043,
        5500,
        k % 3 ? "4.57" : "4,75",
        {"2", "0.50", "0.05"},
        457,
        {{"2", 2}, {"0.50", 1}, {"0.05", 1}, {"0.02", 1}},
        k % 3 ? restomer::TaskRecord::Outcome::kRight : restomer::TaskRecord::Outcome::kWrong};
    text += restomer::ResultsRow("2026-12-09T08:01:00+02:00", context, record);
  }
  return text;
}

// The baseline: fields split at commas and line ends, nothing more.
std::size_t PlainFields(const std::string& text) {
  std::size_t fields = 0;
  std::vector<std::string> row;
  std::string field;
  for (char c : text) {
    if (c == ',' || c == '\n') {
      row.push_back(std::move(field));
      field.clear();
      if (c == '\n') {
        fields += row.size();
        row.clear();
      }
    } else if (c != '\r') {
      field += c;
    }
  }
  return fields;
}

template <typename Work>
double BestMilliseconds(Work work) {
  double best = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

}  // namespace

int main() {
  const std::string text = ResultsText();
  std::size_t sink = 0;
  const double plain = BestMilliseconds([&] { sink += PlainFields(text); });
  const double overview = BestMilliseconds([&] {
    const restomer::ResultsRead read = restomer::ReadResults(text);
    sink += restomer::Summarize(read.rows).pupils.size() + read.rows.size();
  });
  std::printf("%d rows, %.1f MB; best of %d runs\n", kRows, text.size() / 1e6, kRuns);
  std::printf("plain CSV reader (fields only):   %8.1f ms\n", plain);
  std::printf("Restomer reading and counting:    %8.1f ms  (%.1f times the plain reader)\n",
              overview, overview / plain);
  return sink == 0;
}
