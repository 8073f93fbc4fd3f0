// How long the reports of a large results file take, and how much memory:
// the workbook and the PDF report of 100,000 rows, each in a process of its
// own, against reading and counting the same file alone. Prints figures.
// Usage: report_writing RESULTS.csv [OUT.xlsx | OUT.pdf]
//        report_writing --make RESULTS.csv          (today's columns)
//        report_writing --make-first RESULTS.csv    (the first version's)
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "print/report.h"
#include "results_text.h"

namespace {

rusage usage() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage;
}

double peakMegabytes() { return usage().ru_maxrss / 1024.0; }

// The processor's time, user and system, which other work on the machine
// changes less than the time on the clock.
double processorSeconds() {
  const rusage now = usage();
  return now.ru_utime.tv_sec + now.ru_stime.tv_sec +
         (now.ru_utime.tv_usec + now.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = application.arguments().mid(1);
  if (arguments.size() == 2 && arguments[0].startsWith(QLatin1String("--make"))) {
    QFile file(arguments[1]);
    const std::string text = ResultsText(kRows, arguments[0] == QLatin1String("--make-first"));
    return file.open(QIODevice::WriteOnly) && file.write(text.data(), text.size()) ? 0 : 1;
  }
  if (arguments.isEmpty()) return 2;
  QElapsedTimer timer;
  timer.start();
  QString error;
  const restomer::ResultsReport report = restomer::loadResults({arguments[0]}, error);
  const double reading = timer.elapsed() / 1000.0;
  if (!error.isEmpty() || report.rows.size() != kRows) return 1;
  if (arguments.size() == 1) {
    std::printf("reading and counting alone:  %6.2f s (processor %.2f s), peak %4.0f MB\n", reading,
                processorSeconds(), peakMegabytes());
    return 0;
  }
  timer.restart();
  error = restomer::writeReport(arguments[1], report);
  const double writing = timer.elapsed() / 1000.0;
  if (!error.isEmpty()) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
  }
  std::printf("%-28s %6.2f s (processor %.2f s), peak %4.0f MB; reading was %.2f s of it\n",
              qPrintable(QStringLiteral("then %1:").arg(arguments[1].section(u'.', -1))),
              reading + writing, processorSeconds(), peakMegabytes(), reading);
  return 0;
}
