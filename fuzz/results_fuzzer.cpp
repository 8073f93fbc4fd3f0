// Feeds arbitrary bytes to the results file's reader and the overview's
// counting, as a damaged, cut or foreign file on a shared folder would, and
// aborts when what they return could not be trusted.
#include <cstdint>
#include <string_view>

#include "core/lesson.h"
#include "core/overview.h"
#include "core/results_reader.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const restomer::ResultsRead read = restomer::ReadResults(text);
  // Rows and unreadable lines come in the file's order, each from line 2 on.
  int last = 1;
  std::size_t row = 0;
  std::size_t unreadable = 0;
  while (row < read.rows.size() || unreadable < read.unreadable_lines.size()) {
    const bool row_first =
        unreadable == read.unreadable_lines.size() ||
        (row < read.rows.size() && read.rows[row].line < read.unreadable_lines[unreadable]);
    const int line = row_first ? read.rows[row++].line : read.unreadable_lines[unreadable++];
    CHECK(line > last);
    last = line;
  }
  CHECK(read.header_known || read.rows.empty());
  // Every row counts once: for its pupil and for its task.
  const restomer::Overview overview = restomer::Summarize(read.rows);
  std::size_t tasks = 0;
  for (const restomer::PupilLine& pupil : overview.pupils) {
    CHECK(pupil.right + pupil.wrong + pupil.skipped == pupil.tasks);
    tasks += static_cast<std::size_t>(pupil.tasks);
  }
  CHECK(tasks == read.rows.size());
  for (const restomer::TaskLine& task : overview.tasks) CHECK(task.right <= task.answered);
  for (std::size_t k = 1; k < overview.mistakes.size(); ++k) {
    CHECK(overview.mistakes[k - 1].count >= overview.mistakes[k].count);
  }
  // The lessons count every row once too, and so does a filter by the first
  // row's lesson: the rows it takes and no others. A row without a lesson
  // (the loader names one; the bare reader does not) makes a filter that
  // takes every lesson.
  std::size_t in_lessons = 0;
  for (const restomer::LessonShare& lesson : overview.lessons) {
    CHECK(lesson.right <= lesson.tasks);
    in_lessons += static_cast<std::size_t>(lesson.tasks);
  }
  CHECK(in_lessons == read.rows.size());
  if (!read.rows.empty()) {
    restomer::RowFilter filter;
    filter.lesson = read.rows.front().lesson;
    filter.level = read.rows.front().level;
    std::size_t taken = 0;
    for (const restomer::ResultRow& each : read.rows) taken += filter.Takes(each);
    const restomer::Overview filtered = restomer::Summarize(read.rows, filter);
    CHECK(filtered.rows == taken && taken >= 1);
    CHECK(filter.lesson.empty() || filtered.lessons.size() == 1);
    const int level = restomer::LevelToTry(filtered.pupils.front());
    CHECK(level >= restomer::LowestLevel() && level <= restomer::HighestLevel());
  }
  return 0;
}
