// Why a file could not be read or written, as the system says it, ready to
// stand inside a sentence of the program's own.
#ifndef RESTOMER_IO_SYSTEM_REASON_H_
#define RESTOMER_IO_SYSTEM_REASON_H_

#include <QString>

namespace restomer {

// `reason` without the full stop some systems end it with ("Path not
// found."), and with a small first letter unless the word is an acronym, so
// that it reads inside the sentence around it. On Windows, a common reason
// in the display language's words is given in the program's own.
QString systemReason(QString reason);

// Windows words its reasons in its display language, English in most labs:
// the common ones in Bulgarian, the rest as Windows says them.
QString windowsReason(unsigned long code);

}  // namespace restomer

#endif  // RESTOMER_IO_SYSTEM_REASON_H_
