// What every window of the application shares: its identity, desktop entry,
// icon and font.
#ifndef RESTOMER_WIDGETS_APPLICATION_H_
#define RESTOMER_WIDGETS_APPLICATION_H_

namespace restomer {

// Call once after creating the QApplication and before the window. Making
// windowFont() the application's font before any control exists spares
// loading Qt's default font only for text that is laid out again at once.
void setUpApplication();

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_APPLICATION_H_
