#!/usr/bin/env bash
# End-to-end check of scheduling on a real X server, as a user does it: a
# daily launch set from a button's context menu and a daily alarm set from the
# alarm list, both for the coming minute; the program is closed and started
# again in between. At that minute the program runs and the alarm's message
# window comes up on top.
# Usage: schedule_e2e.sh PROGRAM. Exit 77 = skipped.
set -u
program=$1
needed=xprop
. "$(dirname "$0")/x11-session.sh"

mkdir -p "$work/bin" "$work/program" "$work/config/Ombrell"
tool=$work/bin/tool
printf '#!/bin/sh\ndate +%%H:%%M >>"%s"\n' "$work/ran.txt" >"$tool"
chmod +x "$tool"
printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
  "ButtonWidth 64" "ButtonHeight 64" "LayoutRowType 2" "LayoutColType 2" "NRowsConstant 1" \
  "NColsConstant 4" "FrameX 40" "FrameY 40" "AutoHide 0" "LockWindowPosition 0" "Sound 0" \
  BUTTONS "CATEGORY Launch" "BUTTON 1 $tool" "NAME Tool" end >"$work/program/Buttons.cfg"
printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\n' >"$work/config/Ombrell/Dorvane.ini"

start_program() {
  (cd "$work/program" && XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work exec "$program") \
    >>"$work/program.log" 2>&1 &
  dorvane=$!
  pids+=($dorvane)
  window=$(find_window 'DORVANE  ') || fail "no window appeared"
  sleep 1
}

# The settings take about twenty seconds; start early in a minute so that the
# coming minute is still ahead when they are done.
second=$(date +%-S)
[ "$second" -gt 12 ] && sleep $((61 - second))
due=$(($(date +%s) + 60))
hour=$(date -d "@$due" +%-I)
minute=$(date -d "@$due" +%-M)
pm=$(date -d "@$due" +%p)
expected=$(date -d "@$due" +%H:%M)

# The time fields follow the type radios; p.m. is the radio after a.m.
set_daily_time() {
  xdotool key Down Tab; sleep 0.2
  xdotool type "$hour"; xdotool key Tab; xdotool type "$minute"
  if [ "$pm" = PM ]; then xdotool key Tab Right; fi
  sleep 0.2
  xdotool key Return; sleep 0.5
}

start_program
# The button's context menu: "&Schedule Launch...".
focus "$window"
xdotool mousemove --window "$window" 32 60 click 3
sleep 0.5
xdotool key s
find_window ' Schedule an Application Launch' >/dev/null || fail "no scheduling dialog"
set_daily_time
xdotool key Escape; sleep 0.5

# Setup > Alarms..., then "New Alarm".
focus "$window"
xdotool key alt+s; sleep 0.3; xdotool key a
find_window ' Schedule of Alarms' >/dev/null || fail "no alarm list"
xdotool key Tab space
find_window ' Set an Alarm' >/dev/null || fail "no alarm dialog"
xdotool type "Go to Airport"
xdotool key Tab Tab; sleep 0.2
set_daily_time
xdotool key Escape; sleep 0.3; xdotool key Escape; sleep 0.5

close_program "$dorvane"
# The button's schedule line, then the alarm with its own.
[ "$(grep -c "^SCHEDULE Daily $hour $minute ${pm,,}" "$work/program/Buttons.cfg")" = 2 ] ||
  fail "the schedules were not saved: $(grep -a 'SCHEDULE' "$work/program/Buttons.cfg")"
grep -q "ALARM Go to Airport" "$work/program/Buttons.cfg" || fail "the alarm was not saved"
[ "$(date +%s)" -lt "$due" ] || fail "too slow: the minute passed while setting up"

start_program
for _ in $(seq 90); do [ -s "$work/ran.txt" ] && break; sleep 1; done
[ "$(cat "$work/ran.txt" 2>/dev/null)" = "$expected" ] ||
  fail "the program ran at '$(cat "$work/ran.txt" 2>/dev/null)', not at $expected"
# The alarm follows the launches in the same tick; a busy machine may be slow.
alarm=$(find_window 'DORVANE Alarm Message' || find_window 'DORVANE Alarm Message') ||
  fail "no alarm message window"
xprop -id "$alarm" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  fail "the alarm is not kept on top: $(xprop -id "$alarm" _NET_WM_STATE)"
focus "$alarm"
xdotool key Return
sleep 0.5
close_program "$dorvane"
echo "PASS: a daily launch and an alarm set by hand came at their minute after a restart"
