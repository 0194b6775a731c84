#!/usr/bin/env bash
# End-to-end check of named configurations on a real X server, driven through
# the menus with key presses as a user would: create a configuration "Home"
# with the current settings, add a button to it, switch back to "Buttons"
# through the configuration list (which saves Home first), rename Buttons to
# "Main", close, and check the files on disk and the remembered name.
# Usage: config_e2e.sh PROGRAM SAMPLE_DIR. Exit 77 = skipped.
set -u
program=$1
sample=$2
display_base=600
. "$(dirname "$0")/x11-session.sh"

data=$work/data
mkdir -p "$data" "$work/config/Ombrell" "$work/runtime"
chmod 700 "$work/runtime"
cp "$sample/Buttons.cfg" "$data/"
printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\n' >"$work/config/Ombrell/Dorvane.ini"
tool=$work/home-tool
printf '#!/bin/sh\nexit 0\n' >"$tool"
chmod +x "$tool"

(cd "$data" && XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime exec "$program") \
  >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)

window=$(find_window 'DORVANE  ') || fail "no window appeared"
sleep 1

# Waits up to five seconds for the window's caption to contain $1.
wait_caption() {
  local title
  for _ in $(seq 50); do
    title=$(xdotool getwindowname "$window")
    case $title in *"$1"*) return 0 ;; esac
    sleep 0.1
  done
  fail "the caption '$title' does not name '$1'"
}

# Focuses dialog $1 and gives it a moment to take key presses.
focus_dialog() {
  focus "$1"
  sleep 0.5
}

# Types $2 into the file-name field of file dialog $1 and presses Return. The
# field is clicked first: Qt's file dialog does not always give it the focus
# when the window manager activates the dialog.
type_file_name() {
  focus_dialog "$1"
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --window "$1" $((WIDTH / 2)) $((HEIGHT - 58)) click 1
  sleep 0.2
  xdotool key End shift+Home
  xdotool type --delay 20 "$2"
  xdotool key Return
}

# Opens the Configurations menu (Alt+G) of the main window.
configurations_menu() {
  focus "$window"
  xdotool key alt+g
  sleep 0.5
}

# Configurations > Configurations > Create..., named Home, with the current
# settings.
configurations_menu
xdotool key Right Return
dialog=$(find_window '^Specify a Name for the New Configuration$') ||
  fail "Create... opened no file dialog"
type_file_name "$dialog" Home
question=$(find_window '^Use Current Settings\?$') || fail "Create asked no question"
focus_dialog "$question"
xdotool key alt+y
wait_caption "Home: Untitled"
for _ in $(seq 50); do [ -f "$data/Home.cfg" ] && break; sleep 0.1; done
[ -f "$data/Home.cfg" ] || fail "the new configuration was not saved at once"

# Setup > Add Application (Ctrl+A) with the tool typed into the file dialog;
# the Button Text dialog that follows keeps its default text.
focus "$window"
xdotool key ctrl+a
dialog=$(find_window '^Select Files for Buttons$') || fail "Ctrl+A opened no file dialog"
type_file_name "$dialog" "$tool"
text=$(find_window "^ Button Text$") || { import -window root /tmp/cfg_fail.png; fail "the new button opened no Button Text dialog"; }
focus_dialog "$text"
xdotool key Escape
sleep 0.5

# The list entry "&1 Buttons" opens Buttons; Home's change is saved first.
configurations_menu
xdotool key 1
wait_caption "Buttons: Tools"
grep -q "^BUTTON 1 $tool"$'\r'"\$" "$data/Home.cfg" ||
  { cat "$data/Home.cfg"; fail "Home was not saved with its new button before the switch"; }

# Configurations > Configurations > Rename... to Main.
configurations_menu
xdotool key Right r
dialog=$(find_window '^Rename the Current Configuration$') || fail "Rename... opened no dialog"
focus_dialog "$dialog"
xdotool key End shift+Home
xdotool type --delay 20 Main
xdotool key Return
wait_caption "Main: Tools"

close_program "$dorvane"
[ -e "$data/Buttons.cfg" ] && fail "Buttons.cfg is still there after the rename"
# The sample was never changed, so Main.cfg is the sample file as it was.
cmp -s "$sample/Buttons.cfg" "$data/Main.cfg" || fail "Main.cfg is not the renamed sample"
grep -q "^CATEGORY Untitled"$'\r'"\$" "$data/Home.cfg" || fail "Home.cfg lost its category"
grep -q "^DVLastConfig=Main\$" "$work/config/Ombrell/Dorvane.ini" ||
  { cat "$work/config/Ombrell/Dorvane.ini"; fail "the profile does not name Main"; }
echo "PASS: created Home with a button, switched back, renamed Buttons to Main"
