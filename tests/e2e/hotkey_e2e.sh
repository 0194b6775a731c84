#!/usr/bin/env bash
# The global shortcut on a real X server. A combination another program
# holds is left to it and reported on the options page; once free, the
# page takes it, and pressing it while another window has the focus brings
# Dorvane up with Find Button's field focused: typing a button's name and
# Enter start its program, also from a window rolled up by auto-hide.
# Usage: hotkey_e2e.sh PROGRAM. Exit 77 = skipped.
set -u
program=$(readlink -f "$1")
python=/usr/bin/python3
# The options page is read the way a screen reader does, in a D-Bus session
# of the test's own.
if [ -z "${DV_HOTKEY_E2E_BUS:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is missing"; exit 77; }
  "$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }
  exec env DV_HOTKEY_E2E_BUS=1 dbus-run-session -- "$0" "$@"
fi
needed="xmessage xwininfo"
. "$(dirname "$0")/x11-session.sh"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
# The accessibility bus runs before the programs start, so they join it.
"$python" -c 'import pyatspi; pyatspi.Registry.getDesktop(0)' 2>/dev/null

mkdir -p "$work/bin" "$work/main" "$work/holder" "$work/config/Ombrell" \
  "$work/holder-config/Ombrell" "$work/runtime"
chmod 700 "$work/runtime"
marker=$work/launched.txt
printf '#!/bin/sh\necho launched >"%s"\n' "$marker" >"$work/bin/make-marker"
chmod +x "$work/bin/make-marker"
for folder in main holder; do
  printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
    "SpecialWindowLayout 0" "FrameX 40" "FrameY 40" "AutoHide 0" "Sound 0" \
    "ActiveOptionsPropPage 7" BUTTONS "CATEGORY $folder" \
    "BUTTON 1 $work/bin/make-marker" "NAME Other" end \
    "CATEGORY Tools" "BUTTON 7 $work/bin/make-marker" "NAME Marker Maker" end \
    >"$work/$folder/Buttons.cfg"
done
for config in config holder-config; do
  printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\nGlobalHotkey=Ctrl+Alt+D\n' \
    >"$work/$config/Ombrell/Dorvane.ini"
done
start() { # folder, config folder; run in the background, $! is the program
  cd "$work/$1" && XDG_CONFIG_HOME=$work/$2 XDG_RUNTIME_DIR=$work/runtime exec "$program"
}

wait_active() {
  for _ in $(seq 50); do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
# Waits until an accessible object of a Dorvane copy is named $2 ($1 names
# the copy in messages).
wait_accessible() {
  "$python" - "$1" "$2" <<'PY'
import sys, time
import pyatspi

wanted = sys.argv[2]

def programs():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and "dorvane" in (app.name or "").lower():
            yield app

def found(node, depth=0):
    if node is None or depth > 40:
        return False
    try:
        if node.name == wanted:
            return True
        return any(found(node.getChildAtIndex(i), depth + 1) for i in range(node.childCount))
    except Exception:
        return False

for _ in range(100):
    if any(found(app) for app in programs()):
        sys.exit(0)
    time.sleep(0.1)

def dump(node, depth=0):
    try:
        print("  " * depth + node.getRoleName() + " [" + node.name + "]")
        for i in range(node.childCount):
            dump(node.getChildAtIndex(i), depth + 1)
    except Exception:
        pass

for app in programs():
    dump(app)
sys.exit(1)
PY
}

# Another copy of Dorvane (another program folder and profile) holds the
# combination first.
start holder holder-config >"$work/holder.log" 2>&1 &
holder=$!
pids+=($holder)
holder_window=$(find_window 'Buttons: holder') || { cat "$work/holder.log"; fail "the holding copy showed no window"; }
sleep 1
start main config >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)
window=$(find_window 'Buttons: main') || fail "no window appeared"
sleep 1

xmessage -title other-program "another program" &
pids+=($!)
other=$(find_window other-program) || fail "the other window did not appear"
activate "$other"
xdotool key ctrl+alt+d
wait_active "$holder_window" || fail "the holder of Ctrl+Alt+D did not get it"
sleep 0.5
[ "$(xdotool getactivewindow)" = "$holder_window" ] || fail "Dorvane took the combination"
xdotool key Escape

# The options page says who has it.
activate "$window"
xdotool key ctrl+s
sheet=$(find_window 'Dorvane Settings') || fail "the settings sheet did not open"
wait_accessible "$dorvane" "Ctrl+Alt+D is used by another program. Choose another combination." ||
  fail "the options page did not report the combination as taken"

# Once the holder has ended, the page takes the combination: the field
# (Alt+B) records it, OK binds it.
kill "$holder"
wait "$holder" 2>/dev/null
activate "$sheet"
xdotool key alt+b
sleep 0.3
xdotool key ctrl+alt+d
sleep 0.5
xdotool key Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name 'Dorvane Settings' >/dev/null 2>&1 || break
  sleep 0.1
done
grep -q '^GlobalHotkey=Ctrl+Alt+D' "$work/config/Ombrell/Dorvane.ini" ||
  fail "the profile lost the combination"
grep -qi hotkey "$work/main/Buttons.cfg" && fail "the combination went into the configuration file"

# Pressed over another program, it brings Dorvane up with the search field
# focused: typing a name and Enter launch that button.
activate "$other"
xdotool key ctrl+alt+d
wait_active "$window" || fail "the shortcut did not bring Dorvane up"
find_and_start marker "$marker" "typing the name and Enter did not start the button's program"

# Pressed while Dorvane itself has the focus, it opens Find Button too.
rm -f "$marker"
activate "$window"
xdotool key ctrl+alt+d
find_and_start marker "$marker" "the shortcut did nothing while Dorvane had the focus"

close_program "$dorvane"

# Docked at the top with auto-hide: rolled up while another window has the
# focus, the window comes back expanded and Find Button takes the keys.
printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
  "TextOnButtons 2" "ButtonWidth 64" "ButtonHeight 64" "SpecialWindowLayout 1" \
  "WindowWidthToScreen 1" "AutoHide 1" "AutoHideShowCaptionBar 1" "LockWindowPosition 1" \
  "Sound 0" BUTTONS "CATEGORY main" "CATEGORY Tools" "BUTTON 7 $work/bin/make-marker" \
  "NAME Marker Maker" end >"$work/main/Buttons.cfg"
rm -f "$marker"
start main config >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)
window=$(find_window 'Buttons: main') || fail "the docked window did not appear"
height() { xwininfo -id "$window" | awk -F: '/Height/{print $2+0}'; }
activate "$other"
for _ in $(seq 50); do [ "$(height)" -lt 40 ] && break; sleep 0.1; done
[ "$(height)" -lt 40 ] || fail "the docked window did not roll up ($(height) pixels high)"
xdotool key ctrl+alt+d
for _ in $(seq 50); do [ "$(height)" -gt 60 ] && break; sleep 0.1; done
[ "$(height)" -gt 60 ] || fail "the shortcut did not expand the rolled-up window"
find_and_start marker "$marker" "the expanded window's Find Button did not start the button"

close_program "$dorvane"
echo "PASS: a held combination was reported, not stolen; the shortcut found and started a button"
