// Writes that are on the device, not only in the system's cache, when they
// return: a row a pupil was told about survives the computer being switched
// off a moment later.
#ifndef RESTOMER_IO_DURABLE_FILE_H_
#define RESTOMER_IO_DURABLE_FILE_H_

#include <QByteArray>
#include <QFile>
#include <QString>

namespace restomer {

// Opens the file at `path` to read and to append to, making it when it is
// missing. An empty string, or the system's reason in Bulgarian.
QString openToAppend(QFile& file, const QString& path);

// Appends `bytes` to `file`, opened by openToAppend, in one write and
// flushes it to the device. An empty string, or the system's reason; a
// write that fails leaves the file as it was.
QString appendDurably(QFile& file, const QByteArray& bytes);

// Replaces the file at `path` with `bytes`, whole or not at all, on the
// device. An empty string, or the system's reason.
QString replaceDurably(const QString& path, const QByteArray& bytes);

}  // namespace restomer

#endif  // RESTOMER_IO_DURABLE_FILE_H_
