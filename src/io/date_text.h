// The ways the program writes days and times, each in one place: results
// files hold ISO 8601; tables, reports and worksheets show "12.10.2026" and
// "12.10.2026 14:05" whatever the locale.
#ifndef RESTOMER_IO_DATE_TEXT_H_
#define RESTOMER_IO_DATE_TEXT_H_

#include <QDate>
#include <QDateTime>
#include <QString>
#include <string>

namespace restomer {

// How a day is shown, for a date editor too.
inline constexpr char kDayFormat[] = "dd.MM.yyyy";

// "12.10.2026".
QString dayText(const QDate& day);
// "12.10.2026": the day of an ISO 8601 time or date.
QString dayText(const std::string& iso);
// "12.10.2026 14:05".
QString timeText(const QDateTime& time);

// An ISO 8601 time or date as read; invalid when it is none.
QDateTime timeOfIso(const std::string& iso);
QDate dayOfIso(const std::string& iso);
// "2026-10-12".
std::string isoDay(const QDate& day);

}  // namespace restomer

#endif  // RESTOMER_IO_DATE_TEXT_H_
