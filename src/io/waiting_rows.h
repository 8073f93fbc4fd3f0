// Where rows wait that could not be appended to a results file, and how
// they are read back. A run of practice keeps its waiting rows in a file of
// its own beside the results file ("резултати.waiting-PC07-….csv"), or, when
// that folder cannot be written, in the computer's own data folder. Either
// is a results file of its own, with a header, that is replaced whole.
#ifndef RESTOMER_IO_WAITING_ROWS_H_
#define RESTOMER_IO_WAITING_ROWS_H_

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/results_columns.h"

namespace restomer {

// The file beside `results` for the waiting rows of one run on one computer.
QString waitingFileBeside(const QString& results, const std::string& computer,
                          const std::string& run);

// Whether `path` is named as a file of waiting rows beside a results file.
bool isWaitingFile(const QString& path);

// Every run's waiting file beside `results`, oldest name first.
QStringList waitingFilesBeside(const QString& results);

// The file in this computer's data folder for the waiting rows of one run.
QString waitingFileKept(const QString& results, const std::string& run);

// Every file of rows kept in this computer's data folder for `results`.
QStringList waitingFilesKept(const QString& results);

// The rows of a file of waiting rows; none when it cannot be read.
std::vector<ResultRow> readWaitingRows(const QString& path);

// A file of waiting rows holding `rows`.
QByteArray waitingRowsText(const std::vector<ResultRow>& rows);

}  // namespace restomer

#endif  // RESTOMER_IO_WAITING_ROWS_H_
