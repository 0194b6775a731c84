#!/usr/bin/env bash
# End-to-end check of adding a button by drag-and-drop on a real X server: a
# file handed to the window as a drop on the empty first slot becomes a
# button, a click on it starts the program, and the configuration saved on
# closing holds it. Window-system drags cannot be scripted, so the drop comes
# in through DORVANE_TEST_DROP, which takes the frame's own drop path.
# Usage: drop_e2e.sh PROGRAM. Exit 77 = skipped.
set -u
program=$1
. "$(dirname "$0")/x11-session.sh"

# A one-category configuration without buttons, one row of 64-pixel buttons.
mkdir -p "$work/folder" "$work/config/Ombrell"
printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
  "TextOnButtons 2" "ButtonWidth 64" "ButtonHeight 64" "LayoutRowType 2" "LayoutColType 2" \
  "NRowsConstant 1" "NColsConstant 6" "FrameX 40" "FrameY 40" "AutoHide 0" \
  "LockWindowPosition 0" BUTTONS "CATEGORY Dropped" >"$work/folder/Buttons.cfg"
printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\n' >"$work/config/Ombrell/Dorvane.ini"
# The dropped program leaves a mark when it runs.
tool=$work/dropped-tool
printf '#!/bin/sh\ntouch "%s"\n' "$work/launched" >"$tool"
chmod +x "$tool"

(cd "$work/folder" && DORVANE_TEST_DROP=$tool XDG_CONFIG_HOME=$work/config \
  XDG_RUNTIME_DIR=$work exec "$program") >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)

window=$(find_window 'DORVANE  ') || fail "no window appeared"

# With text on the buttons the new button's Button Text dialog opens; Apply
# with the text unchanged is disabled, so Escape keeps the default text.
dialog=$(find_window '^ Button Text$') || fail "the dropped file opened no Button Text dialog"
focus "$dialog"
xdotool key Escape
sleep 0.5

# Click the first slot: just inside the grid's top-left corner, below the
# menu bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$(( HEIGHT > 120 ? 40 : 30 ))
xdotool mousemove --window "$window" 32 $((menu + 20)) click 1
for _ in $(seq 50); do [ -e "$work/launched" ] && break; sleep 0.1; done
[ -e "$work/launched" ] || fail "a click on the dropped button started nothing"

close_program "$dorvane"
grep -q "^BUTTON 1 $tool"$'\r'"\$" "$work/folder/Buttons.cfg" ||
  { cat "$work/folder/Buttons.cfg"; fail "the saved configuration lacks the dropped button"; }
echo "PASS: dropped button launched and saved"
