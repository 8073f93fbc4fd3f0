#include "io/date_text.h"

namespace restomer {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

QString dayText(const QDate& day) { return day.toString(QLatin1String(kDayFormat)); }

QString dayText(const std::string& iso) { return dayText(dayOfIso(iso)); }

QString timeText(const QDateTime& time) {
  return time.toString(QLatin1String(kDayFormat) + QStringLiteral(" HH:mm"));
}

QDateTime timeOfIso(const std::string& iso) {
  return QDateTime::fromString(text(iso), Qt::ISODate);
}

QDate dayOfIso(const std::string& iso) {
  return QDate::fromString(text(iso).left(10), Qt::ISODate);
}

std::string isoDay(const QDate& day) { return day.toString(Qt::ISODate).toStdString(); }

}  // namespace restomer
