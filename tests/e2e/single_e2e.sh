#!/usr/bin/env bash
# A second start for the same user and program folder brings the running
# window forward and ends with status 0, leaving the configuration alone; a
# start in another program folder is a copy of its own.
# Usage: single_e2e.sh PROGRAM. Exit 77 = skipped.
set -u
program=$1
needed="xmessage"
. "$(dirname "$0")/x11-session.sh"

mkdir -p "$work/folder" "$work/other" "$work/config/Ombrell" "$work/runtime"
chmod 700 "$work/runtime"
for folder in folder other; do
  printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
    "AutoHide 0" "SpecialWindowLayout 0" BUTTONS "CATEGORY $folder" >"$work/$folder/Buttons.cfg"
done
printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\n' >"$work/config/Ombrell/Dorvane.ini"
start() {
  (cd "$work/$1" && XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime exec "$program")
}

start folder >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)
window=$(find_window 'Buttons: folder') || fail "no window appeared"
before=$(stat -c '%Y %s' "$work/folder/Buttons.cfg")

# Another program takes the focus, then Dorvane is started again.
xmessage -title other-program "another program" &
pids+=($!)
other=$(find_window other-program) || fail "the other window did not appear"
focus "$other"
timeout 20 bash -c "$(declare -f start); work=$work program=$program start folder" \
  >"$work/second.log" 2>&1
status=$?
[ $status -eq 0 ] || { cat "$work/second.log"; fail "the second start ended with status $status"; }
kill -0 "$dorvane" 2>/dev/null || fail "the first copy ended"
count=$(xdotool search --onlyvisible --name 'Buttons: folder' | wc -l)
[ "$count" -eq 1 ] || fail "$count windows for one program folder"
for _ in $(seq 30); do
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ] && break
  sleep 0.1
done
[ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ] || fail "the running window was not brought forward"
[ "$(stat -c '%Y %s' "$work/folder/Buttons.cfg")" = "$before" ] || fail "the second start wrote the configuration"

# Another program folder is another copy.
start other >"$work/other.log" 2>&1 &
pids+=($!)
find_window 'Buttons: other' >/dev/null || fail "a start in another program folder showed no window"

close_program "$dorvane"
echo "PASS: a second start raised the running copy and ended"
