#include "io/results_rows.h"

#include <QFile>

#include "io/system_reason.h"

namespace restomer {

ResultsRead readResultsRows(QIODevice& device) {
  const QByteArray bytes = device.readAll();
  return ReadResults(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::optional<ResultsRead> readResultsRows(const QString& path, QString& reason) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    reason = systemReason(file.errorString());
    return std::nullopt;
  }
  return readResultsRows(file);
}

}  // namespace restomer
