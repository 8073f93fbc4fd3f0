// What the program says to the person at the computer before or instead of
// its window: help, version and errors. On a terminal where there is one,
// and in a message box where a person who started the program from a
// launcher, a file manager or a shortcut would otherwise see nothing.
#ifndef RESTOMER_WIDGETS_USER_MESSAGES_H_
#define RESTOMER_WIDGETS_USER_MESSAGES_H_

#include <QString>

namespace restomer {

// Prints `text` on standard output, in UTF-8; on Windows, where a program
// with a window has no console, also in a message box when nothing reads
// its output.
void showOutput(int argc, char* argv[], const QString& text);

// Prints "restomer: `error`" on standard error and, when a window was meant
// and can be shown, in a message box as well. Returns the exit status for
// it, 2.
int showError(int argc, char* argv[], const QString& error, bool windowWasMeant);

}  // namespace restomer

#endif  // RESTOMER_WIDGETS_USER_MESSAGES_H_
