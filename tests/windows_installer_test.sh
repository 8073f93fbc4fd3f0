#!/usr/bin/env bash
# Installs Restomer for Windows silently in a fresh Wine prefix, checks the
# program, its shortcuts and its entry among the installed programs, starts
# the installed program, then uninstalls silently and checks that nothing of
# it is left: no file, no shortcut, no registry key. Needs an X display.
# Usage: tests/windows_installer_test.sh restomer-VERSION-setup.exe
set -uo pipefail
setup=$(realpath "$1")
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap '/usr/lib/wine/wineserver64 -k 2>/dev/null; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix
source windows/wine-environment
drive=$WINEPREFIX/drive_c
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Restomer'
passed=0
failed=0
check() {  # check NAME COMMAND...
  if "${@:2}" >/dev/null 2>&1; then
    echo "ok: $1"
    passed=$((passed + 1))
  else
    echo "FAILED: $1"
    failed=$((failed + 1))
  fi
}
# Waits up to a minute for a window whose title holds NAME.
window_opens() {
  for _ in $(seq 60); do
    xdotool search --name "$1" >/dev/null 2>&1 && return 0
    sleep 1
  done
  return 1
}
# What the prefix holds, less what Wine itself changes as it runs (its temp
# and log folders, and the display it records for any program that draws).
snapshot() {
  (cd "$drive" && find . | grep -viE '/(temp|windows/(logs|inf))(/|$)' | sort)
  "$WINE" reg export 'HKLM\Software' "C:\\hklm.reg" /y >/dev/null 2>&1
  iconv -f UTF-16 -t UTF-8 "$drive/hklm.reg" | grep -F '[' | grep -vF 'Avalon.Graphics' | sort
  rm -f "$drive/hklm.reg"
}

before=$(snapshot)
"$WINE" "$setup" /S
/usr/lib/wine/wineserver64 --wait
program="$drive/Program Files/Restomer/restomer.exe"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Restomer"
check "the program is installed" test -f "$program"
check "the licence and the notices beside it" test -f "$drive/Program Files/Restomer/NOTICES.txt"
for shortcut in "Restomer" "Restomer - В евро" "Restomer - Упражнение" "Restomer - Упражнение в евро" \
                "Restomer — урок" "Restomer — информатика"; do
  check "Start-menu shortcut \"$shortcut\"" test -f "$menu/$shortcut.lnk"
done
check "an entry among the installed programs" "$WINE" reg query "$key" /v DisplayName

# The installed program opens its window. Wine's own font engine draws the
# text of line edits that DirectWrite draws none of under Wine.
"$WINE" "$program" -platform windows:fontengine=freetype >/dev/null 2>&1 &
check "the installed program opens its window" window_opens 'restomer'

/usr/lib/wine/wineserver64 -k
/usr/lib/wine/wineserver64 --wait

# A lesson file, in a folder and under a name in Cyrillic, opens in Restomer
# through its association, as a double-click in Explorer does: the lesson
# asks the pupil's name first.
command=$("$WINE" reg query 'HKLM\Software\Classes\Restomer.Lesson\shell\open\command' /ve 2>/dev/null)
check "lesson files open in the program" grep -qF 'restomer.exe" "%1"' <<<"$command"
check "lesson files have the program's icon" \
  "$WINE" reg query 'HKLM\Software\Classes\Restomer.Lesson\DefaultIcon' /ve
mkdir -p "$drive/уроци за 3 клас"
lesson="$drive/уроци за 3 клас/урок по математика.restomer"
printf '[Lesson]\r\nCurrency=euro\r\nAskName=true\r\n' >"$lesson"
"$WINE" start /unix "$lesson" >/dev/null 2>&1 &
check "a double-clicked lesson opens practice and asks the pupil's name" window_opens 'име на ученика'

/usr/lib/wine/wineserver64 -k
/usr/lib/wine/wineserver64 --wait
rm -rf "$drive/уроци за 3 клас"

"$WINE" "C:\\Program Files\\Restomer\\uninstall.exe" /S
sleep 2
/usr/lib/wine/wineserver64 --wait
check "the uninstaller removes the program's folder" test ! -e "$drive/Program Files/Restomer"
check "the uninstaller removes the shortcuts" test ! -e "$menu"
check "the uninstaller removes the registry key" bash -c "! '$WINE' reg query '$key'"
check "the uninstaller removes the lesson file type" \
  bash -c "! '$WINE' reg query 'HKLM\Software\Classes\.restomer'"
after=$(snapshot)
check "nothing else is left" test "$before" = "$after"
[ "$before" = "$after" ] || diff <(echo "$before") <(echo "$after") | head -n 20

echo "windows installer: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
