// Files that a library writes by their name (QSettings, libxlsxwriter) put
// in place whole or not at all: the library writes a draft in a scratch
// folder, and QSaveFile puts the draft where the user asked.
#ifndef RESTOMER_IO_DRAFT_FILE_H_
#define RESTOMER_IO_DRAFT_FILE_H_

#include <QString>
#include <functional>

namespace restomer {

// Calls `write` with the path of a draft named `draftName` in a new scratch
// folder; `write` returns an empty string or why the draft could not be
// written. The draft then replaces the file at `path` whole. Returns an
// empty string, or why nothing was written (the system's reason).
QString saveThroughDraft(const QString& path, const QString& draftName,
                         const std::function<QString(const QString& draft)>& write);

}  // namespace restomer

#endif  // RESTOMER_IO_DRAFT_FILE_H_
