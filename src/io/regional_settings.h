// The user's regional number settings, as the change logic takes them.
#ifndef RESTOMER_IO_REGIONAL_SETTINGS_H_
#define RESTOMER_IO_REGIONAL_SETTINGS_H_

#include <QLocale>

#include "core/conversions.h"

namespace restomer {

RegionalSettings regionalSettingsOf(const QLocale& locale);

}  // namespace restomer

#endif  // RESTOMER_IO_REGIONAL_SETTINGS_H_
