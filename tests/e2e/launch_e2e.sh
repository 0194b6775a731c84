#!/usr/bin/env bash
# End-to-end check of launching on a real X server: clicks on four buttons
# start a real program (which records its arguments and working directory)
# and hand a document, a folder and an internet address to the desktop's
# opener (a recording stand-in for gio on PATH).
# Usage: launch_e2e.sh PROGRAM. Exit 77 = skipped.
set -u
program=$1
. "$(dirname "$0")/x11-session.sh"

mkdir -p "$work/bin" "$work/folder" "$work/wd" "$work/program" "$work/config/Ombrell"
# The program records each argument on a line of its own, then its folder.
recorder=$work/bin/record-args
printf '#!/bin/sh\nfor a in "$@"; do printf "%%s\\n" "$a"; done >"%s"\npwd >>"%s"\n' \
  "$work/args.txt" "$work/args.txt" >"$recorder"
# The opener records what it was asked to open.
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\n' "$work/opened.txt" >"$work/bin/gio"
chmod +x "$recorder" "$work/bin/gio"
echo "notes" >"$work/notes.txt"

# One row of five 64-pixel buttons: the program (with parameters that a shell
# would expand), a document, a folder, an address and one typed without a scheme.
printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
  "TextOnButtons 2" "ButtonWidth 64" "ButtonHeight 64" "ButtonSpacing 1" "LayoutRowType 2" \
  "LayoutColType 2" "NRowsConstant 1" "NColsConstant 5" "SpecialWindowLayout 0" \
  "WindowWidthToScreen 0" "FrameX 40" "FrameY 40" "AutoHide 0" "LockWindowPosition 0" "Sound 0" \
  BUTTONS "CATEGORY Launch" \
  "BUTTON 1 $recorder" "NAME Recorder" "PARAMETERS one \"two words\" '\$(touch $work/pwned)' ;x" \
  "DIRECTORY $work/wd" end \
  "BUTTON 2 $work/notes.txt" end \
  "BUTTON 3 $work/folder" end \
  "BUTTON_URL 4 https://example.org/a?b=1&c=2" end \
  "BUTTON_URL 5 www.debian.org" end >"$work/program/Buttons.cfg"
printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\n' >"$work/config/Ombrell/Dorvane.ini"

(cd "$work/program" && PATH=$work/bin:$PATH XDG_CONFIG_HOME=$work/config \
  XDG_RUNTIME_DIR=$work exec "$program") >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)

window=$(find_window 'DORVANE  ') || fail "no window appeared"
sleep 1

# Slot i is 65 pixels right of slot i-1, below the menu bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$(( HEIGHT > 120 ? 40 : 30 ))
click() {
  focus "$window"
  xdotool mousemove --window "$window" $((32 + 65 * $1)) $((menu + 20)) click 1
  sleep 0.7
}
click 0
for _ in $(seq 50); do [ -s "$work/args.txt" ] && break; sleep 0.1; done
expected=$(printf '%s\n' one "two words" "\$(touch $work/pwned)" ";x" "$work/wd")
[ "$(cat "$work/args.txt" 2>/dev/null)" = "$expected" ] ||
  fail "the program got: $(cat "$work/args.txt" 2>/dev/null)"
[ -e "$work/pwned" ] && fail "a parameter was run by a shell"

click 1
click 2
click 3
click 4
for _ in $(seq 50); do [ "$(wc -l <"$work/opened.txt" 2>/dev/null)" = 4 ] && break; sleep 0.1; done
expected=$(printf '%s\n' "open $work/notes.txt" "open $work/folder" \
  "open https://example.org/a?b=1&c=2" "open https://www.debian.org")
[ "$(cat "$work/opened.txt" 2>/dev/null)" = "$expected" ] ||
  fail "the opener got: $(cat "$work/opened.txt" 2>/dev/null)"

close_program "$dorvane"
echo "PASS: a program, a document, a folder and two addresses launched"
