#include "io/application_identity.h"

#include <QCoreApplication>

namespace restomer {

void setUpApplicationIdentity() {
  QCoreApplication::setApplicationName(QStringLiteral("Restomer"));
  QCoreApplication::setApplicationVersion(QStringLiteral(RESTOMER_VERSION));
}

}  // namespace restomer
