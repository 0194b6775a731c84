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
needed="import"
. "$(dirname "$0")/x11-session.sh"

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

window=$(find_window 'DORVANE  ') || fail "no window appeared"
sleep 1
title=$(xdotool getwindowname "$window")
case $title in
  *"Buttons: Tools"*) ;;
  *) fail "caption '$title' does not name the configuration and the start category" ;;
esac
[ -n "$shot" ] && import -window root "$shot"

# Categories menu (Alt+C), past its "Categories" submenu to the second
# category of the list.
focus "$window"
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

close_program "$dorvane"
echo "PASS: $title"
