// What the program is asked for on its command line.
#ifndef RESTOMER_WINDOW_COMMAND_LINE_H_
#define RESTOMER_WINDOW_COMMAND_LINE_H_

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "form/currency.h"

struct CommandLine {
  const restomer::Currency* currency = &restomer::kLev;
  bool practice = false;
  // The seed of the practice tasks, when it was given.
  std::optional<std::uint64_t> seed;
  // One Bulgarian line naming what was wrong; empty when all was understood.
  QString error;
};

// Reads `arguments` (the program's name first) in Bulgarian:
//   restomer [--currency=lev|euro] [--practice [--seed=N]] [-h|--help] [-v|--version]
// Help and version are printed, and the program ended, as Qt does it. Needs
// an application object, and no display: a QCoreApplication will do. Qt's
// own options (-platform, -style …) are passed over, and a single dash works
// as two ("-practice").
CommandLine parseCommandLine(const QStringList& arguments);

#endif  // RESTOMER_WINDOW_COMMAND_LINE_H_
