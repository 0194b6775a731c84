#!/usr/bin/env bash
# End-to-end check that a termination signal (the end of the desktop session)
# saves a changed configuration: a dropped file adds a button, then SIGTERM
# ends the program, and the configuration file holds the button.
# Usage: signal_e2e.sh PROGRAM. Exit 77 = skipped.
set -u
program=$1
. "$(dirname "$0")/x11-session.sh"

mkdir -p "$work/folder" "$work/config/Ombrell"
printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
  "TextOnButtons 0" "AutoHide 0" "SpecialWindowLayout 0" BUTTONS "CATEGORY Dropped" \
  >"$work/folder/Buttons.cfg"
printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\n' >"$work/config/Ombrell/Dorvane.ini"
tool=$work/dropped-tool
printf '#!/bin/sh\n' >"$tool"
chmod +x "$tool"

(cd "$work/folder" && DORVANE_TEST_DROP=$tool XDG_CONFIG_HOME=$work/config \
  XDG_RUNTIME_DIR=$work exec "$program") >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)

window=$(find_window 'DORVANE  ') || fail "no window appeared"
# Without text on the buttons the drop opens no dialog; give it a moment.
sleep 1
kill -TERM "$dorvane"
for _ in $(seq 50); do kill -0 "$dorvane" 2>/dev/null || break; sleep 0.1; done
kill -0 "$dorvane" 2>/dev/null && fail "the program did not end on SIGTERM"
wait "$dorvane" || fail "the program ended with an error"
grep -q "^BUTTON 1 $tool"$'\r'"\$" "$work/folder/Buttons.cfg" ||
  { cat "$work/folder/Buttons.cfg"; fail "the configuration was not saved on SIGTERM"; }
echo "PASS: SIGTERM saved the changed configuration"
