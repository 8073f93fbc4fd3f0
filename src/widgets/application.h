// What the whole application shares: its name, version, desktop entry, icon
// and font.
#ifndef RESTOMER_WINDOW_APPLICATION_H_
#define RESTOMER_WINDOW_APPLICATION_H_

#include <QFont>

// "Times New Roman", 12 pt, normal weight: the font of every control.
QFont windowFont();

// The application's name and version, which --version prints; needs no
// display.
void setUpApplicationIdentity();

// Makes the fonts the program carries (on Windows, for pages drawn on the
// offscreen platform) stand in for "Times New Roman" where the system has
// none; does nothing where it carries none.
void useCarriedFonts();

// Call once after creating the QApplication and before the window. Making
// windowFont() the application's font before any control exists spares
// loading Qt's default font only for text that is laid out again at once.
void setUpApplication();

#endif  // RESTOMER_WINDOW_APPLICATION_H_
