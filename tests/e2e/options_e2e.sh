#!/usr/bin/env bash
# End-to-end check of the options sheet on a real X server, by keyboard as a
# user would: the Button Width up-down widens the grid while it is clicked,
# and the Miscellaneous page's box creates an autostart entry after its
# question; the entry validates and starts Dorvane in its program folder.
# Usage: options_e2e.sh START_SCRIPT. Exit 77 = skipped.
set -u
program=$1
needed="desktop-file-validate"
. "$(dirname "$0")/x11-session.sh"

# One row of four 54-pixel buttons in a free window; the sheet opens on the
# Button Properties page (the last one shown).
# The start script runs the program in $XDG_DATA_HOME/dorvane, its program
# folder.
folder=$work/data/dorvane
mkdir -p "$folder" "$work/config/Ombrell"
printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
  "ActiveOptionsPropPage 4" "TextOnButtons 2" "ButtonWidth 54" "ButtonHeight 64" \
  "ButtonSpacing 1" "LayoutRowType 2" "LayoutColType 2" "NRowsConstant 1" "NColsConstant 4" \
  "SpecialWindowLayout 0" "FrameX 40" "FrameY 40" "AutoHide 0" "LockWindowPosition 0" \
  BUTTONS "CATEGORY Tools" >"$folder/Buttons.cfg"
printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\n' >"$work/config/Ombrell/Dorvane.ini"
run_env=(XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work")

(cd "$work" && exec env "${run_env[@]}" "$program") >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)
window=$(find_window 'DORVANE  ') || fail "no window appeared"
sleep 1


width_of() {
  xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'
}
before=$(width_of "$window")

# Settings (Ctrl+S), Button Width (Alt+W), ten clicks up, OK.
activate "$window"
xdotool key --window "$window" ctrl+s
sheet=$(find_window 'Dorvane Settings') || fail "Ctrl+S opened no settings sheet"
activate "$sheet"
xdotool key alt+w
for _ in $(seq 10); do xdotool key Up; sleep 0.1; done
for _ in $(seq 50); do
  during=$(width_of "$window")
  [ "$((during - before))" -ge 40 ] && break
  sleep 0.1
done
xdotool key Return
# OK closes the sheet; wait for it before asking for it again.
for _ in $(seq 50); do
  xdotool search --onlyvisible --name 'Dorvane Settings' >/dev/null 2>&1 || break
  sleep 0.1
done
sleep 0.5
after=$(width_of "$window")
[ "$((during - before))" -eq 40 ] ||
  fail "ten steps on four columns widened the window from $before to $during, not by 40"
[ "$after" -eq "$during" ] || fail "OK changed the width again ($during -> $after)"

# Settings again: it opens on Button Properties; three tabs on is
# Miscellaneous. Check the box (Alt+S), OK, confirm, acknowledge.
# Under load the first Ctrl+S may reach the window before it has the focus.
sheet=
for _ in 1 2 3; do
  activate "$window"
  xdotool key ctrl+s
  sheet=$(find_window 'Dorvane Settings') && break
done
[ -n "$sheet" ] || fail "the settings sheet did not open again"
activate "$sheet"
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab
sleep 0.3
xdotool key alt+s
sleep 0.3
xdotool key Return
question=$(find_window 'Create Link') || fail "no question before creating the link"
activate "$question"
xdotool key alt+y
created=$(find_window 'Link Created') || fail "no message that the link was created"
activate "$created"
xdotool key Return
sleep 0.5

entry="$work/config/autostart/Dorvane 10.desktop"
[ -f "$entry" ] || fail "no autostart entry at $entry"
desktop-file-validate "$entry" || fail "the autostart entry does not validate"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
path_line=$(sed -n 's/^Path=//p' "$entry")
[ "$exec_line" = "$(readlink -f "$program")" ] || fail "Exec is '$exec_line'"
[ "$path_line" = "$folder" ] || fail "Path is '$path_line', not the program folder"

close_program "$dorvane"
grep -q $'^ButtonWidth 64\r$' "$folder/Buttons.cfg" || fail "the wider buttons were not saved"

# What the session would run at the next login: the start script, in the
# program folder. It shows the window (and ends after the first paint).
(cd "$path_line" && exec env "${run_env[@]}" DORVANE_EXIT_AFTER_FIRST_PAINT=1 \
  timeout 20 "$exec_line") >>"$work/program.log" 2>&1 || fail "the entry's command did not start Dorvane"
echo "PASS: width $before -> $after, entry $entry"
