// How long a teacher waits for the overview of a large results file: reading
// 100,000 rows and counting them, against splitting the same file into
// fields with a plain CSV reader that understands nothing, measured in the
// same run. Prints figures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "best_time.h"
#include "core/overview.h"
#include "core/results_reader.h"
#include "results_text.h"

namespace {

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

}  // namespace

int main() {
  const std::string text = ResultsText(kRows);
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
