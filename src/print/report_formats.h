// The writers of each kind of report, which writeReport chooses between by
// the file's extension; only the report's own files include this.
#ifndef RESTOMER_PRINT_REPORT_FORMATS_H_
#define RESTOMER_PRINT_REPORT_FORMATS_H_

#include <QString>

#include "io/results_report.h"

namespace restomer {

QString writePdfReport(const QString& path, const ResultsReport& report);
QString writeXlsxReport(const QString& path, const ResultsReport& report);

}  // namespace restomer

#endif  // RESTOMER_PRINT_REPORT_FORMATS_H_
