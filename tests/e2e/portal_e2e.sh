#!/usr/bin/env bash
# The global shortcut through the desktop portal, as on a Wayland desktop: a
# stand-in portal on the test's own session bus binds the stored combination
# and reports it pressed while another window has the focus; Dorvane comes up
# with Find Button's field focused, and typing a name and Enter start that
# button's program.
# Usage: portal_e2e.sh PROGRAM. Exit 77 = skipped.
set -u
program=$(readlink -f "$1")
python=/usr/bin/python3
if [ -z "${DV_PORTAL_E2E_BUS:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is missing"; exit 77; }
  "$python" -c 'import dbus.service; from gi.repository import GLib' 2>/dev/null ||
    { echo "SKIP: python3-dbus or python3-gi is missing"; exit 77; }
  exec env DV_PORTAL_E2E_BUS=1 dbus-run-session -- "$0" "$@"
fi
needed="xmessage dbus-send"
. "$(dirname "$0")/x11-session.sh"
# A Wayland session for the program's choice of backend; its windows stay on
# the test's X server.
export WAYLAND_DISPLAY=wayland-dorvane-test
unset XDG_SESSION_TYPE

mkdir -p "$work/bin" "$work/main" "$work/config/Ombrell" "$work/runtime"
chmod 700 "$work/runtime"
marker=$work/launched.txt
printf '#!/bin/sh\necho launched >"%s"\n' "$marker" >"$work/bin/make-marker"
chmod +x "$work/bin/make-marker"
printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
  "SpecialWindowLayout 0" "FrameX 40" "FrameY 40" "AutoHide 0" "Sound 0" BUTTONS \
  "CATEGORY main" "CATEGORY Tools" "BUTTON 4 $work/bin/make-marker" "NAME Marker Maker" end \
  >"$work/main/Buttons.cfg"
printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\nGlobalHotkey=Ctrl+Alt+D\n' \
  >"$work/config/Ombrell/Dorvane.ini"

"$python" "$(dirname "$0")/fake_portal.py" "$work/portal.log" &
pids+=($!)
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.portal.Desktop 2>/dev/null |
    grep -q true && break
  sleep 0.1
done

(cd "$work/main" && XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
  exec "$program") >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)
window=$(find_window 'Buttons: main') || fail "no window appeared"
for _ in $(seq 50); do [ -s "$work/portal.log" ] && break; sleep 0.1; done
grep -qx 'bind find-button CTRL+ALT+d' "$work/portal.log" ||
  fail "the portal was not asked for Ctrl+Alt+D: $(cat "$work/portal.log" 2>/dev/null)"
sleep 0.5

xmessage -title other-program "another program" &
pids+=($!)
other=$(find_window other-program) || fail "the other window did not appear"
for _ in $(seq 50); do
  focus "$other"
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$other" ] && break
  sleep 0.1
done
sleep 0.3
dbus-send --session --type=method_call --dest=org.freedesktop.portal.Desktop \
  /org/freedesktop/portal/desktop org.dorvane.test.FakePortal.Press
for _ in $(seq 50); do
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ] && break
  sleep 0.1
done
[ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ] ||
  fail "the portal's shortcut did not bring Dorvane up"
find_and_start marker "$marker" "typing the name and Enter did not start the button's program"

close_program "$dorvane"
echo "PASS: the portal bound CTRL+ALT+d and its activation found and started a button"
