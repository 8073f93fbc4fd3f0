// What the program is asked for on its command line.
#ifndef RESTOMER_IO_COMMAND_LINE_H_
#define RESTOMER_IO_COMMAND_LINE_H_

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "core/coin_system.h"
#include "core/lesson.h"

namespace restomer {

// What the program does, decided once.
enum class Mode {
  kPrint,          // help or version: print `output` and end
  kWorksheet,      // write a worksheet of the lesson and end
  kDemonstration,  // the window that answers the amounts typed
  kPractice,       // the window that sets the lesson's tasks and checks answers
  kTeacher,        // the teacher's window, to set up a lesson
  kOverview,       // the overview of a results file
  kReport,         // write the overview of a results file as PDF or Excel and end
  kCoins,          // print how greedy and the fewest pay, for any coin system, and end
  kInformatics,    // the window that compares greedy with the fewest for any coin system
};

struct CommandLine {
  Mode mode = Mode::kDemonstration;
  // The lesson the options and a lesson file give, the options winning.
  Lesson lesson;
  // The lesson file given, for the teacher's window to open.
  QString lessonFile;
  // The PDF file to write a worksheet into, and whether its tasks, or
  // practice's, are the informatics ones (as they are for a lesson of a
  // coin system).
  QString worksheet;
  bool informatics = false;
  // The results files and folders to show or report on, and the report to
  // write.
  QStringList resultsPaths;
  QString report;
  bool perPupil = false;  // the report is a slip for each pupil
  // The coin system to judge, and the amount to pay with it.
  Coins coins;
  std::optional<std::int64_t> amount;
  // The help or the version.
  QString output;
  // One Bulgarian line naming what was wrong; empty when all was understood.
  QString error;
  // Whether a window was asked for, so that a person who started the
  // program from a launcher sees the error.
  bool windowWasMeant = true;
};

// Reads `arguments` (the program's name first) in Bulgarian:
//   restomer [--currency=lev|euro] [--practice] [--teacher] [--seed=N] [--level=N]
//            [--tasks=N] [--results=FILE] [--name=NAME] [--ask-name] [LESSON.restomer]
//   restomer --worksheet=FILE.pdf [LESSON.restomer] [--currency=…] [--seed=N] …
//   restomer --overview=RESULTS.csv|FOLDER [RESULTS.csv|FOLDER…]
//   restomer --report=REPORT.pdf|REPORT.xlsx RESULTS.csv|FOLDER…
//   restomer --report=SLIPS.pdf --per-pupil RESULTS.csv|FOLDER…
//   restomer --coins="4 3 1" [--amount=6]
//   restomer --informatics [--practice] [--worksheet=FILE.pdf] [--level=N] [--tasks=N] [--seed=N]
//            [--results=FILE] [--name=NAME] [--ask-name]
//   restomer -h|--help|-v|--version
// A lesson file opens practice unless --worksheet or --teacher is given;
// the options beside it win over its values. Needs an application object,
// and no display: a QCoreApplication will do. Qt's own options (-platform,
// -style …) are passed over, and a single dash works as two ("-practice").
CommandLine parseCommandLine(const QStringList& arguments);

// The names of the program's own options, as the help lists them after -h
// and -v: "currency", "practice", ….
QStringList commandLineOptionNames();

}  // namespace restomer

#endif  // RESTOMER_IO_COMMAND_LINE_H_
