// How fast the overview opens a class over a school year and a school's
// folder, and how fast its filter answers, beside a plain read of the same
// files: each file read whole and its rows parsed, nothing counted.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "best_time.h"
#include "core/results_reader.h"
#include "core/results_row.h"
#include "io/results_report.h"

namespace {

// `files` lessons in folders of their own, each of `pupils` pupils doing
// `tasks` tasks, one lesson a week from September.
QString makeFolder(const QTemporaryDir& dir, const QString& name, int files, int pupils,
                   int tasks) {
  QDir(dir.path()).mkpath(name);
  const QString folder = dir.filePath(name);
  for (int lesson = 0; lesson < files; ++lesson) {
    std::string text = restomer::kByteOrderMark + restomer::ResultsHeader();
    char day[32];
    std::snprintf(day, sizeof day, "2026-%02d-%02dT09:00:00+03:00", 9 + lesson / 28 % 4,
                  1 + lesson % 28);
    for (int pupil = 0; pupil < pupils; ++pupil) {
      restomer::ResultsContext context("pupil", "Ученик " + std::to_string(pupil), &restomer::kLev,
                                       1 + lesson % 4, 2026);
      context.run = std::to_string(lesson) + "-" + std::to_string(pupil);
      context.lesson = "Урок " + std::to_string(lesson + 1);
      for (int task = 1; task <= tasks; ++task) {
        const bool right = (task + pupil + lesson) % 4 != 0;
        const restomer::TaskRecord record{
            1,
            task,
            5043,
            5500,
            "4.57",
            {"2", right ? "0.50" : "0.20", "0.05", "0.02"},
            457,
            {{"2", 2}, {"0.50", 1}, {"0.05", 1}, {"0.02", 1}},
            right ? restomer::TaskRecord::Outcome::kRight : restomer::TaskRecord::Outcome::kWrong};
        text += restomer::ResultsLine(restomer::ResultRowOf(day, context, record, task));
      }
    }
    const QString lessonFolder = QStringLiteral("%1/урок-%2").arg(folder).arg(lesson + 1);
    QDir().mkpath(lessonFolder);
    QFile file(lessonFolder + QStringLiteral("/резултати.csv"));
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(text.data(), static_cast<qint64>(text.size()));
  }
  return folder;
}

std::size_t plainRead(const QString& folder) {
  std::size_t rows = 0;
  for (const QString& lesson : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile file(folder + u'/' + lesson + QStringLiteral("/резултати.csv"));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = file.readAll();
    rows += restomer::ReadResults(std::string_view(bytes.constData(), bytes.size())).rows.size();
  }
  return rows;
}

void measure(const char* what, const QString& folder) {
  std::size_t rows = 0;
  const double plain = BestMilliseconds([&] { rows = plainRead(folder); });
  QString error;
  restomer::ResultsReport report;
  const double open = BestMilliseconds([&] { report = restomer::loadResults({folder}, error); });
  restomer::RowFilter lesson;
  lesson.lesson = "Урок 2";
  const double filtered = BestMilliseconds([&] { report.setFilter(lesson); });
  const double all = BestMilliseconds([&] { report.setFilter({}); });
  const double choices = BestMilliseconds([&] { restomer::ChoicesOf(report.rows); });
  std::printf("%s: %zu rows in %lld files%s\n", what, rows,
              static_cast<long long>(report.files.size()), error.isEmpty() ? "" : " (error)");
  std::printf("  plain read           %8.1f ms\n", plain);
  std::printf("  opened (counted)     %8.1f ms  = %.2f x the plain read\n", open, open / plain);
  std::printf("  filter: one lesson   %8.1f ms\n", filtered);
  std::printf("  filter: every row    %8.1f ms\n", all);
  std::printf("  the filter's choices %8.1f ms\n", choices);
}

}  // namespace

int main() {
  QTemporaryDir dir;
  measure("A class's school year (30 lessons x 25 pupils x 20 tasks)",
          makeFolder(dir, QStringLiteral("class"), 30, 25, 20));
  measure("A school's folder (200 files x 25 pupils x 20 tasks)",
          makeFolder(dir, QStringLiteral("school"), 200, 25, 20));
  measure("A folder of 1,000 small files (1,000 x 5 pupils x 4 tasks)",
          makeFolder(dir, QStringLiteral("many"), 1000, 5, 4));
  return 0;
}
