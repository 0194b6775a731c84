#!/usr/bin/env bash
# End-to-end check of the window on a real X server: starts Xvfb and openbox,
# starts Dorvane through its start script (dorvane-launch) on the sample
# configuration, takes a screenshot, changes the category through the
# Categories menu and closes the window.
# Usage: window_e2e.sh LAUNCH_SCRIPT SAMPLE_DIR [SCREENSHOT]. Exit 77 = skipped.
set -u
program=$1
sample=$2
shot=${3:-}
for tool in Xvfb openbox xdotool import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
# A real X11 window, also when the caller runs the tests offscreen.
export QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

# The start script runs the program in $XDG_DATA_HOME/dorvane, its program
# folder.
mkdir -p "$work/data/dorvane" "$work/config/Ombrell" "$work/runtime"
chmod 700 "$work/runtime"
cp "$sample"/*.cfg "$work/data/dorvane/"
printf '[Settings]\nDVFirstUse=0\n' >"$work/config/Ombrell/Dorvane.ini"
XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
  "$program" >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)

fail() { echo "FAIL: $*"; cat "$work/program.log"; exit 1; }
window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name 'DORVANE  ' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no window appeared"
sleep 1
title=$(xdotool getwindowname "$window")
case $title in
  *"Buttons: Tools"*) ;;
  *) fail "caption '$title' does not name the configuration and the start category" ;;
esac
[ -n "$shot" ] && import -window root "$shot"

# Categories menu (Alt+C), past its "Categories" submenu to the second
# category of the list.
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool key --window "$window" alt+c
sleep 0.5
xdotool key Down Down Return
for _ in $(seq 40); do
  title=$(xdotool getwindowname "$window")
  case $title in *"Games"*) break ;; esac
  sleep 0.1
done
case $title in
  *"Games"*) ;;
  *) fail "choosing the category Games left the caption at '$title'" ;;
esac

xdotool key alt+F4
for _ in $(seq 50); do kill -0 "$dorvane" 2>/dev/null || break; sleep 0.1; done
kill -0 "$dorvane" 2>/dev/null && fail "the program did not end on closing its window"
wait "$dorvane" || fail "the program ended with an error"
echo "PASS: $title"
