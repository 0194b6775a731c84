#!/usr/bin/env bash
# End-to-end check of a free window started with its menu bar hidden: no menu
# bar is shown, so the grid starts at the top of the window and a click on the
# top edge of the first button launches it; the window holds the whole row.
# Usage: menu_hidden_e2e.sh PROGRAM. Exit 77 = skipped.
set -u
program=$(realpath "$1")
display_base=500
. "$(dirname "$0")/x11-session.sh"

mkdir -p "$work/folder" "$work/config/Ombrell"
tool=$work/tool
printf '#!/bin/sh\ntouch "%s"\n' "$work/launched" >"$tool"
chmod +x "$tool"
printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
  "TextOnButtons 2" "ButtonWidth 64" "ButtonHeight 64" "ButtonSpacing 4" \
  "SpecialWindowLayout 0" "LayoutRowType 2" "LayoutColType 2" "NRowsConstant 1" \
  "NColsConstant 3" "MenuVisible 0" "FrameX 60" "FrameY 60" "AutoHide 0" \
  "LockWindowPosition 0" BUTTONS "CATEGORY Tools" "BUTTON 1 $tool" "NAME Tool" end \
  >"$work/folder/Buttons.cfg"
printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\n' >"$work/config/Ombrell/Dorvane.ini"
(cd "$work/folder" && XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work exec "$program") \
  >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)
window=$(find_window 'DORVANE  ') || fail "no window appeared"
sleep 1
focus "$window"

height=$(xwininfo -id "$window" | awk -F: '/Height/{print $2+0}')
[ "$height" -ge 72 ] || fail "the window is $height pixels high, less than one row of 64 with 4-pixel gaps"
# Two pixels below the first button's top edge, where a shown menu bar would be.
xdotool mousemove --window "$window" 20 6 click 1
for _ in $(seq 50); do [ -e "$work/launched" ] && break; sleep 0.1; done
[ -e "$work/launched" ] || fail "a click at the top of the first button started nothing"

close_program "$dorvane"
echo "PASS: no menu bar, the whole row reachable"
