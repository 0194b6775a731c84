#!/usr/bin/env bash
# The first start with the tutorial, twenty times on one X server with a
# window manager (and a tray where trayer is installed): after Yes to the
# greeting the tutorial and the window (or its rolled-up strip) are on the
# screen, and stay so when the tutorial is cancelled; quitting while the
# tutorial is open ends the program and saves auto-hide switched on; a
# termination while the greeting is up ends the program too.
# Usage: tutorial_e2e.sh PROGRAM. Exit 77 = skipped.
set -u
program=$(realpath "$1")
needed="xwininfo xprop"
. "$(dirname "$0")/x11-session.sh"
if command -v trayer >/dev/null; then
  trayer --edge top --align right --widthtype pixel --width 60 --height 24 >/dev/null 2>&1 &
  pids+=($!)
fi

# Waits up to five seconds for a visible window of process $1 named $2.
window_of() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}

# True when window $1 is mapped with at least two pixels of it on the screen.
on_screen() {
  local x y w h state
  eval "$(xwininfo -id "$1" 2>/dev/null | awk -F: '/Absolute upper-left X/{print "x="$2+0} /Absolute upper-left Y/{print "y="$2+0} /Width/{print "w="$2+0} /Height/{print "h="$2+0} /Map State/{gsub(/ /,"",$2); print "state="$2}')"
  [ "${state:-}" = IsViewable ] || return 1
  local right=$((x + w < 1024 ? x + w : 1024)) bottom=$((y + h < 768 ? y + h : 768))
  ((right - (x > 0 ? x : 0) >= 2 && bottom - (y > 0 ? y : 0) >= 2))
}

# Up to three seconds for the main window of process $1 (or its strip) to be
# on the screen.
main_on_screen() {
  local main
  for _ in $(seq 30); do
    main=$(xdotool search --all --onlyvisible --pid "$1" --name 'DORVANE  ' 2>/dev/null | head -1)
    [ -n "$main" ] && on_screen "$main" && return 0
    sleep 0.1
  done
  return 1
}

ended() {
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.05; done
  return 1
}

start() {
  local folder=$work/run$1
  mkdir -p "$folder/config/Ombrell" "$folder/runtime"
  chmod 700 "$folder/runtime"
  if [ -n "${2:-}" ]; then
    # An existing configuration, but the greeting still due.
    printf '[Settings]\nDVLastConfig=Buttons\n' >"$folder/config/Ombrell/Dorvane.ini"
    printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
      "SpecialWindowLayout 0" "FrameX 100" "FrameY 100" "FrameW 400" "FrameH 300" \
      "AutoHide 1" "LockWindowPosition 0" BUTTONS "CATEGORY One" >"$folder/Buttons.cfg"
  fi
  (cd "$folder" && XDG_CONFIG_HOME=$folder/config XDG_RUNTIME_DIR=$folder/runtime \
    exec "$program") >"$work/program.log" 2>&1 &
  dorvane=$!
  pids+=($dorvane)
  greeting=$(window_of "$dorvane" 'Use DORVANE Tutorial') || fail "run $1: no greeting"
}

answer_yes() {
  focus "$greeting"
  xdotool key y
  tutorial=$(window_of "$dorvane" 'Tutorial --') || fail "run $1: Yes opened no tutorial"
  main_on_screen "$dorvane" || fail "run $1: no window on the screen beside the tutorial"
}

for run in $(seq 20); do
  if ((run % 2)); then
    # A fresh account: cancel the tutorial, then close the window.
    start "$run"
    answer_yes "$run"
    focus "$tutorial"
    xdotool key Escape
    for _ in $(seq 30); do on_screen "$tutorial" || break; sleep 0.1; done
    on_screen "$tutorial" && fail "run $run: Escape left the tutorial open"
    main_on_screen "$dorvane" || fail "run $run: no window on the screen after the tutorial"
    window=$(window_of "$dorvane" 'DORVANE  ')
    close_program "$dorvane"
  else
    # The window is moved while the tutorial is open, then the session ends.
    start "$run" existing
    answer_yes "$run"
    main=$(window_of "$dorvane" 'DORVANE  ')
    xdotool windowmove "$main" 300 200
    sleep 0.3
    kill -TERM "$dorvane"
    ended "$dorvane" || fail "run $run: the program did not end with the tutorial open"
    saved=$(tr -d '\r' <"$work/run$run/Buttons.cfg")
    grep -qx 'FrameX 100' <<<"$saved" && fail "run $run: the moved window was not saved"
    grep -qx 'AutoHide 1' <<<"$saved" || fail "run $run: auto-hide was saved switched off"
  fi
done

# A termination while the greeting is up ends the program.
start 21
kill -TERM "$dorvane"
ended "$dorvane" || fail "the program ran on after a termination during the greeting"
echo "PASS: twenty first starts with the tutorial"
