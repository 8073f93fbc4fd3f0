#!/usr/bin/env bash
# Starts the program on a real desktop without a screen and checks that the
# desktop can match its window to the desktop entry: under Wayland the
# toplevel's app id is the entry's id, under X11 the window's class is the
# entry's StartupWMClass.
# Usage: tests/desktop_session_test.sh PROGRAM DESKTOP_ENTRY
set -uo pipefail
program=$1
entry=$2
app_id=$(basename "$entry" .desktop)
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
passed=0
failed=0
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work  # weston and Qt keep their sockets here
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    echo "ok: $1 is \"$3\""
    passed=$((passed + 1))
  else
    echo "FAILED: $1 is \"$3\", expected \"$2\""
    failed=$((failed + 1))
  fi
}

# Waits up to 10 s for the command to succeed.
wait_for() {
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Wayland: weston's headless back end; the protocol log shows the app id.
weston --backend=headless-backend.so --socket=wayland-restomer --idle-time=0 \
  >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for test -S "$work/wayland-restomer"
WAYLAND_DISPLAY=wayland-restomer QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" \
  >/dev/null 2>"$work/wayland.log" &
pids+=($!)
wait_for grep -q 'xdg_toplevel@[0-9]*\.set_app_id(' "$work/wayland.log"
check "the Wayland app id" "$app_id" \
  "$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_app_id("\(.*\)").*/\1/p' "$work/wayland.log" | head -n 1)"

# X11: Xvfb; the class is the second string of WM_CLASS.
exec 9>"$work/display"
Xvfb -displayfd 9 -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
wait_for test -s "$work/display"
export DISPLAY=":$(head -n 1 "$work/display")"
QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$program_pid" 2>/dev/null | head -n 1)
check "the X11 window class" "$wm_class" \
  "$(xprop -id "${window:-0}" WM_CLASS 2>/dev/null | sed -n 's/.*= ".*", "\(.*\)"$/\1/p')"

echo "desktop session: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
