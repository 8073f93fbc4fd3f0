#include "io/regional_settings.h"

namespace restomer {

RegionalSettings regionalSettingsOf(const QLocale& locale) {
  RegionalSettings settings;
  settings.decimal_separator = locale.decimalPoint().toStdString();
  settings.group_separator = locale.groupSeparator().toStdString();
  settings.negative_sign = locale.negativeSign().toStdString();
  // Amounts are grouped by threes in every locale: Qt before 6.5 does not
  // tell the group sizes, and the C locale's default of no grouping is not
  // the user's choice.
  settings.group_size = 3;
  return settings;
}

}  // namespace restomer
