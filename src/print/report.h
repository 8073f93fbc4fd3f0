// The overview of a results file written for keeping or handing on: an A4
// PDF (the three tables, the file's name and the date) or an Excel workbook
// (one sheet a table and one with every row, with typed cells). Both are
// written whole or not at all.
#ifndef RESTOMER_PRINT_REPORT_H_
#define RESTOMER_PRINT_REPORT_H_

#include <QString>

#include "io/results_report.h"

namespace restomer {

// Writes by the file's extension, ".pdf" or ".xlsx". PDF needs a
// QGuiApplication, which may run on Qt's offscreen platform. Returns an
// empty string, or one Bulgarian line with the system's reason.
QString writeReport(const QString& path, const ResultsReport& report);

}  // namespace restomer

#endif  // RESTOMER_PRINT_REPORT_H_
