; The Windows installer: the program, Start-menu shortcuts for it and for each
; of its actions, an entry in the list of installed programs, and an
; uninstaller that removes all of it. "/S" installs and uninstalls silently.
; makensis -DVERSION=1.00 -DPROGRAM=restomer.exe -DLICENSE=LICENSE.txt
;          -DNOTICES=NOTICES.txt -DOUTFILE=restomer-1.00-setup.exe restomer.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Restomer"
; Lesson files (.restomer) open in Restomer with a double-click.
!define CLASSES "Software\Classes"
!define PROGID "Restomer.Lesson"
Name "Restomer"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Restomer"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Bulgarian"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductName" "Restomer"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileDescription" "Restomer: инсталиране"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "LegalCopyright" "Copyright 2026 The Restomer developers. GPL-3.0-or-later."

; The shortcuts: the program and its actions, as the Linux launcher offers
; them, the teacher's window and the informatics window.
!macro Shortcuts MACRO
  !insertmacro ${MACRO} "Restomer" ""
  !insertmacro ${MACRO} "Restomer - В евро" "--currency=euro"
  !insertmacro ${MACRO} "Restomer - Упражнение" "--practice"
  !insertmacro ${MACRO} "Restomer - Упражнение в евро" "--practice --currency=euro"
  !insertmacro ${MACRO} "Restomer — урок" "--teacher"
  !insertmacro ${MACRO} "Restomer — информатика" "--informatics"
!macroend
!macro CreateShortcut NAME ARGUMENTS
  CreateShortcut "$SMPROGRAMS\Restomer\${NAME}.lnk" "$INSTDIR\restomer.exe" "${ARGUMENTS}"
!macroend
!macro DeleteShortcut NAME ARGUMENTS
  Delete "$SMPROGRAMS\Restomer\${NAME}.lnk"
!macroend

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "/oname=restomer.exe" "${PROGRAM}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  File "/oname=NOTICES.txt" "${NOTICES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Restomer"
  !insertmacro Shortcuts CreateShortcut
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Restomer"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Restomer developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\restomer.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegStr HKLM "${CLASSES}\.restomer" "" "${PROGID}"
  WriteRegStr HKLM "${CLASSES}\${PROGID}" "" "Урок на Restomer"
  WriteRegStr HKLM "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\restomer.exe,0"
  WriteRegStr HKLM "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\restomer.exe" "%1"'
  ; Explorer shows the new icon at once (SHCNE_ASSOCCHANGED).
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  !insertmacro Shortcuts DeleteShortcut
  RMDir "$SMPROGRAMS\Restomer"
  Delete "$INSTDIR\restomer.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\NOTICES.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The extension only while it is still ours.
  ReadRegStr $0 HKLM "${CLASSES}\.restomer" ""
  StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKLM "${CLASSES}\.restomer"
  DeleteRegKey HKLM "${CLASSES}\${PROGID}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
