// The results files the overview reads from the files and folders a
// teacher names: a folder is a class, read with every results file below
// it (a folder a lesson), and the files in it that are not results files
// are passed over and named.
#ifndef RESTOMER_IO_RESULTS_SOURCES_H_
#define RESTOMER_IO_RESULTS_SOURCES_H_

#include <QString>
#include <QStringList>
#include <vector>

namespace restomer {

struct ResultsSource {
  QString file;
  // The class: the name of the folder given, or of the folder of a file
  // given on its own.
  QString className;
};

struct ResultsSources {
  std::vector<ResultsSource> files;  // in the order given, a folder's by path
  QStringList passedOver;            // "„…“ не е файл с резултати."
};

// The waiting files beside each results file are the reader's to add, and
// lock files are no results: both are left out.
ResultsSources findResultsFiles(const QStringList& paths);

// Every CSV file at and below `paths` with its size and time, the waiting
// files among them: when this changes, the results read from them may have.
QString resultsState(const QStringList& paths);

// Whether `path` may be read as results: a folder, a file with a results
// file's header, or one not written yet (missing or empty). An empty
// string, or why not.
QString notResultsFile(const QString& path);

}  // namespace restomer

#endif  // RESTOMER_IO_RESULTS_SOURCES_H_
