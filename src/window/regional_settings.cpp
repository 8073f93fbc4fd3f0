#include "window/regional_settings.h"

restomer::RegionalSettings regionalSettingsOf(const QLocale& locale) {
  restomer::RegionalSettings settings;
  settings.decimal_separator = locale.decimalPoint().toStdString();
  settings.group_separator = locale.groupSeparator().toStdString();
  settings.negative_sign = locale.negativeSign().toStdString();
  // QLocale groups every locale it knows by threes before Qt 6.5 exposes the
  // sizes, so only switching grouping off is taken from it.
  settings.group_size = locale.numberOptions().testFlag(QLocale::OmitGroupSeparator) ? 0 : 3;
  return settings;
}
