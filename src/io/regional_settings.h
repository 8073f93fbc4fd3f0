// The user's regional number settings, as the change logic takes them.
#ifndef RESTOMER_WINDOW_REGIONAL_SETTINGS_H_
#define RESTOMER_WINDOW_REGIONAL_SETTINGS_H_

#include <QLocale>

#include "runtime/conversions.h"

restomer::RegionalSettings regionalSettingsOf(const QLocale& locale);

#endif  // RESTOMER_WINDOW_REGIONAL_SETTINGS_H_
