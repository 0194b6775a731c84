#!/usr/bin/env bash
# End-to-end check of the Organize Favorites dialog on a real X server, driven
# by the keyboard as a user would: Favorites > Organize..., the last entry
# moved to the top, Save. The configuration file then holds the new order
# while the program still runs, and the dialog closes without a question.
# Usage: favorites_e2e.sh PROGRAM [SCREENSHOT]. Exit 77 = skipped.
set -u
program=$1
shot=${2:-}
[ -n "$shot" ] && needed="import"
. "$(dirname "$0")/x11-session.sh"

mkdir -p "$work/folder" "$work/config/Ombrell"
for name in Alpha Beta Gamma; do : >"$work/folder/$name.txt"; done
{
  printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
    "FrameX 40" "FrameY 40" "AutoHide 0" "LockWindowPosition 0" BUTTONS "CATEGORY Tools" FAVORITES
  for name in Alpha Beta Gamma; do
    printf '%s\r\n' "ITEM $work/folder/$name.txt" "NAME $name" end
  done
  printf '%s\r\n' END_MENU
} >"$work/folder/Buttons.cfg"
printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\n' >"$work/config/Ombrell/Dorvane.ini"

(cd "$work/folder" && XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work \
  exec "$program") >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)

window=$(find_window 'DORVANE  ') || fail "no window appeared"
sleep 1
focus "$window"
xdotool key --window "$window" alt+f
sleep 0.5
xdotool key o
dialog=$(find_window '^ Organize Favorites Menu$') || fail "Favorites > Organize... opened no dialog"
focus "$dialog"
# The list has the focus: End selects the last entry, Alt+T moves it to the
# top, Alt+S saves.
xdotool key End
sleep 0.3
xdotool key alt+t
sleep 0.3
[ -n "$shot" ] && import -window root "$shot"
xdotool key alt+s
order=""
for _ in $(seq 50); do
  order=$(grep -a '^NAME ' "$work/folder/Buttons.cfg" | tr -d '\r' | cut -d' ' -f2 | tr '\n' ' ')
  [ "$order" = "Gamma Alpha Beta " ] && break
  sleep 0.1
done
[ "$order" = "Gamma Alpha Beta " ] || fail "the saved favorites read '$order'"

# Saved: Escape closes the dialog without asking.
xdotool key Escape
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^ Organize Favorites Menu$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^ Organize Favorites Menu$' >/dev/null 2>&1 &&
  fail "the dialog stayed open after saving and Escape"
xdotool search --onlyvisible --name '^Save Changes\?$' >/dev/null 2>&1 &&
  fail "closing a saved dialog asked to save"

close_program "$dorvane"
echo "PASS: favorites saved in their new order: $order"
