// Appends rows to a results file as one of many programs sharing it would.
// Usage: append_results FILE ROWS WRITER [slowly]
// "slowly" writes a line to standard output for every row the program has
// put on disk, the class file or beside it, and waits a little after it.
#include <QCoreApplication>
#include <QString>
#include <QThread>
#include <cstdio>

#include "core/currency.h"
#include "io/results_file.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 4 && argc != 5) return 2;
  const bool slowly = argc == 5;
  restomer::ResultsFile file(QString::fromLocal8Bit(argv[1]),
                             {"pupil", argv[3], &restomer::kLev, restomer::kDefaultLevel, 1});
  if (!file.open().isEmpty()) return 1;
  const int rows = QString::fromLatin1(argv[2]).toInt();
  for (int k = 1; k <= rows; ++k) {
    const restomer::TaskRecord record{
        1,
        k,
        2518,
        3000,
        "4.82",
        {"2", "0.50"},
        482,
        {{"2", 2}, {"0.50", 1}, {"0.20", 1}, {"0.10", 1}, {"0.02", 1}},
        restomer::TaskRecord::Outcome::kWrong};
    if (slowly) {
      file.append(record);
      std::printf("%d\n", k);
      std::fflush(stdout);
      QThread::msleep(20);
      continue;
    }
    // The other program may hold the lock: the row waits for the next try.
    for (QString reason = file.append(record); !reason.isEmpty(); reason = file.flush()) {
      QThread::msleep(1);
    }
  }
  return 0;
}
