// A slip for each pupil to take home or keep in their folder: one A4 page a
// pupil with their lessons, their share right in each (a table and a line),
// and what to practise next, in words a parent reads, with no other pupil's
// results on it.
#ifndef RESTOMER_PRINT_SLIPS_H_
#define RESTOMER_PRINT_SLIPS_H_

#include <QString>
#include <QStringList>

#include "io/results_report.h"

namespace restomer {

// What to practise next: the coin missed most and the level to try.
QStringList practiseNext(const PupilLine& pupil);

// Writes the slips of the pupils the report counts to `path`, a PDF;
// returns an empty string, or one Bulgarian line with the system's reason.
QString writeSlips(const QString& path, const ResultsReport& report);

}  // namespace restomer

#endif  // RESTOMER_PRINT_SLIPS_H_
