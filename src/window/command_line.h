// What the program is asked for on its command line.
#ifndef RESTOMER_WINDOW_COMMAND_LINE_H_
#define RESTOMER_WINDOW_COMMAND_LINE_H_

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "form/currency.h"
#include "form/task_generator.h"

// The most tasks a round or a worksheet has, and a worksheet's tasks unless
// told otherwise.
inline constexpr int kMostTasks = 100;
inline constexpr int kWorksheetTasks = 10;

struct CommandLine {
  const restomer::Currency* currency = &restomer::kLev;
  bool practice = false;
  // The seed of the tasks, when it was given.
  std::optional<std::uint64_t> seed;
  int level = restomer::kDefaultLevel;
  // The tasks of a round or a worksheet; 0 when not given.
  int tasks = 0;
  // The CSV file practice appends its results to, and the pupil's name in it.
  QString results;
  QString name;
  // The PDF file to write a worksheet into instead of opening the window.
  QString worksheet;
  // One Bulgarian line naming what was wrong; empty when all was understood.
  QString error;
  // The help or the version, when asked for: to print, and end.
  QString output;
};

// Reads `arguments` (the program's name first) in Bulgarian:
//   restomer [--currency=lev|euro] [--practice [--seed=N] [--level=N] [--tasks=N]
//            [--results=FILE [--name=NAME]]] [-h|--help] [-v|--version]
//   restomer --worksheet=FILE.pdf [--currency=…] [--seed=N] [--level=N] [--tasks=N]
// Help and version come back as `output`. Needs an application object, and
// no display: a QCoreApplication will do. Qt's
// own options (-platform, -style …) are passed over, and a single dash works
// as two ("-practice").
CommandLine parseCommandLine(const QStringList& arguments);

#endif  // RESTOMER_WINDOW_COMMAND_LINE_H_
