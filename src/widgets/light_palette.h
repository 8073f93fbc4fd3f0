// The palette the window is drawn in on every desktop, dark ones included.
#ifndef RESTOMER_WIDGETS_LIGHT_PALETTE_H_
#define RESTOMER_WIDGETS_LIGHT_PALETTE_H_

#include <QPalette>

namespace restomer {

// Qt's own light palette, as its Fusion style shows it where the desktop
// imposes none: black text, white boxes, a blue selection. Taken as a table,
// because under a desktop theme the style reports the theme's palette instead.
QPalette lightPalette();

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_LIGHT_PALETTE_H_
