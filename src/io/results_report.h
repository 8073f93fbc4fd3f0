// Results files read and counted, as the overview window, the PDF and the
// Excel report show them: a class over its lessons in four tables (pupils,
// tasks, mistakes, lessons) and every row, each a table of typed cells that
// every view of it reads, all following one filter.
#ifndef RESTOMER_IO_RESULTS_REPORT_H_
#define RESTOMER_IO_RESULTS_REPORT_H_

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

#include "core/overview.h"
#include "core/results_reader.h"
#include "core/row_filter.h"
#include "io/date_text.h"
#include "io/results_sources.h"

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

// The lines of one file that could not be read.
struct UnreadableLines {
  QString file;
  std::vector<int> lines;
  bool headerKnown = true;
};

struct ResultsReport {
  QStringList paths;       // the files and folders, as the user named them
  QStringList files;       // the results files read
  QStringList passedOver;  // why files in the folders were not read
  QDateTime taken;         // when they were read
  // Each file's rows, then those waiting beside it, each row once; old
  // rows without a lesson have their folder's name and day for it.
  std::vector<ResultRow> rows;
  std::vector<UnreadableLines> unreadableLines;
  int waiting = 0;  // of the rows, those that wait beside their file
  RowFilter filter;
  Overview overview;  // of the rows the filter takes

  // Counts the rows `filter` takes.
  void setFilter(const RowFilter& filter);
  // "Показани са 120 от 3000 реда: клас „5а“, урок „Урок 3“."; empty when
  // the filter takes every row.
  QString shown() const;

  // Pupils, tasks, mistakes and lessons; the denominations in the mistakes'
  // names are written in `notation` ("0,02 лв.").
  std::vector<ReportTable> tables(const QLocale& notation = QLocale()) const;
  // The table of every row, its headers and kinds without its rows: those
  // are made one at a time by `rowCells`, so that a large file's rows are
  // never held twice.
  // One pupil's page: every task of theirs in time order, their share
  // right in each lesson, and a line on how they did and the coin they
  // miss most.
  ReportTable pupilTable(std::size_t pupil) const;
  ReportTable pupilLessons(std::size_t pupil) const;
  QString pupilSummary(std::size_t pupil) const;
  static ReportTable everyRowTable();
  static QVariantList rowCells(const ResultRow& row);
  // "Редове, които не могат да бъдат прочетени: 2 (редове 7, 12)."; empty
  // when every row was read.
  QString unreadable() const;
  // "Броят се и 3 реда, които чакат до файла …"; empty when none waits.
  QString waitingBeside() const;
  // The files and folders read, as the user named them.
  QString sources() const;
  // "Не са прочетени 2 файла: …"; empty when every file was read.
  QString passedOverNote() const;
  // What to say above the tables: what they show, the rows waiting, the
  // files passed over and the lines that could not be read.
  QStringList notes() const;
  // The rows the filter takes, by their place in `rows`.
  std::vector<std::size_t> rowsShown() const;
};

// Reads and counts the results files and folders at `paths` with the rows
// waiting beside each file, each row once; `error` says why a file named
// could not be read, with the system's reason. Files in the folders that
// cannot be read are passed over. Nothing is written, locked or truncated.
ResultsReport loadResults(const QStringList& paths, QString& error);

// "лев", "евро": a currency as the tables name it; "информатика" for the
// rows of informatics tasks, which have none.
QString currencyName(const std::string& name);

// "0,02 лв.": a denomination as practice names it, in `notation`.
QString denominationText(const std::string& currency, const std::string& caption,
                         const QLocale& notation = QLocale());

// A cell as a person reads it, in the notation of `locale`.
QString cellText(const QVariant& cell, ReportTable::Kind kind, const QLocale& locale = QLocale());

// The table as tab-separated text, the header first, as `cellText` shows it:
// it pastes into any spreadsheet in columns, whatever its list separator,
// and no cell pastes as a formula ("=Калин" is pasted as "'=Калин").
QString tabSeparated(const QStringList& headers, const QList<QStringList>& rows);

}  // namespace restomer

#endif  // RESTOMER_IO_RESULTS_REPORT_H_
