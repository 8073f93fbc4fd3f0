// The one font of the program's windows and pages, and the fonts it carries.
#ifndef RESTOMER_PRINT_FONTS_H_
#define RESTOMER_PRINT_FONTS_H_

#include <QFont>

namespace restomer {

// "Times New Roman", 12 pt, normal weight: the font of every control.
QFont windowFont();

// Makes the fonts the program carries (on Windows, for pages drawn on the
// offscreen platform) stand in for "Times New Roman" where the system has
// none; does nothing where it carries none.
void useCarriedFonts();

}  // namespace restomer

#endif  // RESTOMER_PRINT_FONTS_H_
