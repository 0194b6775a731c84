#!/usr/bin/env bash
# End-to-end check of the Backup command on a real X server: the context menu
# of a document button backs its file up to the mirrored path below the root
# folder, and the File Backup dialog closes itself when done.
# Usage: backup_e2e.sh PROGRAM. Exit 77 = skipped.
set -u
program=$1
. "$(dirname "$0")/x11-session.sh"

mkdir -p "$work/folder" "$work/config/Ombrell" "$work/root" "$work/docs"
echo "quarterly figures" >"$work/docs/report.txt"
printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
  "TextOnButtons 2" "ButtonWidth 64" "ButtonHeight 64" "LayoutRowType 2" "LayoutColType 2" \
  "NRowsConstant 1" "NColsConstant 6" "FrameX 40" "FrameY 40" "AutoHide 0" \
  "LockWindowPosition 0" "Sound 0" "FileBackupRootDir $work/root" "FileBackupEnabled 1" \
  BUTTONS "CATEGORY Documents" "BUTTON 1 $work/docs/report.txt" end >"$work/folder/Buttons.cfg"
printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\n' >"$work/config/Ombrell/Dorvane.ini"

(cd "$work/folder" && XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work exec "$program") \
  >"$work/program.log" 2>&1 &
dorvane=$!
pids+=($dorvane)

window=$(find_window 'DORVANE  ') || fail "no window appeared"
focus "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$(( HEIGHT > 120 ? 40 : 30 ))
# The context menu of the first slot ends with Backup and Allow Backup.
xdotool mousemove --window "$window" 32 $((menu + 20)) click 3
sleep 0.5
xdotool key Up Up Return

copy=$work/root$work/docs/report.txt
for _ in $(seq 50); do [ -f "$copy" ] && break; sleep 0.1; done
[ -f "$copy" ] || fail "the Backup command copied nothing to $copy"
cmp -s "$copy" "$work/docs/report.txt" || fail "the copy differs from its source"
for _ in $(seq 30); do
  xdotool search --onlyvisible --name '^ File Backup$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^ File Backup$' >/dev/null 2>&1 &&
  fail "the File Backup dialog did not close itself"

close_program "$dorvane"
echo "PASS: Backup copied the button's document and the dialog closed"
