// A results file read and counted, as the overview window, the PDF and the
// Excel report show it: three tables (pupils, tasks, mistakes) and every
// row of the file, each a table of typed cells that every view of it reads.
#ifndef RESTOMER_PRINT_RESULTS_REPORT_H_
#define RESTOMER_PRINT_RESULTS_REPORT_H_

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

#include "core/overview.h"
#include "core/results_reader.h"

namespace restomer {

// A table of the report. Cells hold numbers, texts or times; each column's
// kind says how to show them.
struct ReportTable {
  enum class Kind { kText, kWhole, kAmount, kShare, kTime };
  QString title;
  QStringList headers;
  QList<Kind> kinds;
  QList<QVariantList> rows;
};

struct ResultsReport {
  QString file;      // the results file, as the user named it
  QDateTime taken;   // when it was read
  ResultsRead read;  // the file's rows, then those waiting beside it
  int waiting = 0;   // of them, the rows that wait beside the file
  Overview overview;

  // Pupils, tasks and mistakes; the denominations in the mistakes' names
  // are written in `notation` ("0,02 лв.").
  std::vector<ReportTable> tables(const QLocale& notation = QLocale()) const;
  // The table of every row, its headers and kinds without its rows: those
  // are made one at a time by `rowCells`, so that a large file's rows are
  // never held twice.
  // One pupil's page: every task of theirs in the file's order, and a line
  // on how they did and the coin they miss most.
  ReportTable pupilTable(std::size_t pupil) const;
  QString pupilSummary(std::size_t pupil) const;
  static ReportTable everyRowTable();
  static QVariantList rowCells(const ResultRow& row);
  // "Редове, които не могат да бъдат прочетени: 2 (редове 7, 12)."; empty
  // when every row was read.
  QString unreadable() const;
  // "Броят се и 3 реда, които чакат до файла …"; empty when none waits.
  QString waitingBeside() const;
};

// Whether the file at `path` may be a results file: one with a results
// file's header, or one not written yet (missing or empty). An empty string,
// or why not.
QString notResultsFile(const QString& path);

// Reads and counts the results file at `path` with the rows waiting beside
// it, each row once; `error` says why it could not be read, with the
// system's reason. Nothing is written, locked or truncated.
ResultsReport loadResults(const QString& path, QString& error);

// A cell as a person reads it, in the notation of `locale`.
QString cellText(const QVariant& cell, ReportTable::Kind kind, const QLocale& locale = QLocale());

// The table as tab-separated text, the header first, as `cellText` shows it:
// it pastes into any spreadsheet in columns, whatever its list separator,
// and no cell pastes as a formula ("=Калин" is pasted as "'=Калин").
QString tabSeparated(const QStringList& headers, const QList<QStringList>& rows);

}  // namespace restomer

#endif  // RESTOMER_PRINT_RESULTS_REPORT_H_
