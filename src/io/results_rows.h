// A results file's rows read from the disk: the one reader that the
// overview, the reports, the rows waiting beside a file and the results
// file's own merge share.
#ifndef RESTOMER_IO_RESULTS_ROWS_H_
#define RESTOMER_IO_RESULTS_ROWS_H_

#include <QString>
#include <optional>

#include "core/results_reader.h"

class QIODevice;

namespace restomer {

// The rows of the rest of `device`, open for reading.
ResultsRead readResultsRows(QIODevice& device);

// The rows of the results file at `path`; none when it cannot be opened,
// and `reason` then holds the system's reason, in Bulgarian.
std::optional<ResultsRead> readResultsRows(const QString& path, QString& reason);

}  // namespace restomer

#endif  // RESTOMER_IO_RESULTS_ROWS_H_
