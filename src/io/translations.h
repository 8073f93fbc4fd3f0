// Qt's own texts in Bulgarian: the buttons of its dialogs, the file
// dialogs' labels and its reasons for a failed file operation ("Permission
// denied" is "Достъпът е отказан"), from Qt's own translations.
#ifndef RESTOMER_IO_TRANSLATIONS_H_
#define RESTOMER_IO_TRANSLATIONS_H_

namespace restomer {

// Installs Qt's Bulgarian translation into the application object that
// runs now; call it after creating each one. The program carries the
// translation on Windows, where no system has it; on Linux it is Debian's
// (qt6-translations-l10n). Where neither is found Qt's texts stay English.
void installQtTranslations();

}  // namespace restomer

#endif  // RESTOMER_IO_TRANSLATIONS_H_
