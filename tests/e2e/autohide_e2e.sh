#!/usr/bin/env bash
# End-to-end check of auto-hide with a real window manager, at 100 % and
# 200 % and with panels on the right and at the bottom: at each of the four
# docking edges, with and without the strip's caption bar, the window (also
# one spanning the screen from a stored place 40 pixels in) opens inside the
# work area, rolls up to a strip that lies wholly on the work area against
# its edge when another window takes the focus, comes back when the strip is
# clicked, and rolls up again when the focus leaves at once (while its own
# resize is still on its way).
# Usage: autohide_e2e.sh PROGRAM. Exit 77 = skipped.
set -u
program=$(realpath "$1")
display_base=400
needed="xmessage xwininfo xprop"
. "$(dirname "$0")/x11-session.sh"

mkdir -p "$work/config/Ombrell"
printf '[Settings]\nDVFirstUse=0\nDVLastConfig=Buttons\n' >"$work/config/Ombrell/Dorvane.ini"
xmessage -geometry +400+300 "another window" >/dev/null 2>&1 &
pids+=($!)
other=$(find_window '^xmessage$') || fail "the other window did not appear"
# The other window reserves room for panels on the right and at the bottom;
# the work area is what remains.
xprop -id "$other" -f _NET_WM_STRUT_PARTIAL 32c \
  -set _NET_WM_STRUT_PARTIAL "0,24,0,30,0,0,0,0,0,767,0,1023"
for _ in $(seq 30); do
  read -r _ _ screen_w screen_h _ <<<"$(xprop -root _NET_WORKAREA | sed -n 's/.*= //p' | tr -d ,)"
  [ "$screen_w" = 1000 ] && [ "$screen_h" = 738 ] && break
  sleep 0.1
done
[ "$screen_w" = 1000 ] && [ "$screen_h" = 738 ] || fail "the panels' room was not reserved"

# The outer frame of window $1 as "x y w h left right top bottom".
outer() {
  local x y w h extents l r t b
  eval "$(xwininfo -id "$1" | awk -F: '/Absolute upper-left X/{print "x="$2+0} /Absolute upper-left Y/{print "y="$2+0} /Width/{print "w="$2+0} /Height/{print "h="$2+0}')"
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
  read -r l r t b <<<"${extents:-0 0 0 0}"
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b)) $l $r $t $b"
}

# Waits up to three seconds until `outer` of the window satisfies $1 (an
# arithmetic test over x y w h l r t b); fails with $2 otherwise.
wait_for() {
  local x y w h l r t b
  for _ in $(seq 30); do
    read -r x y w h l r t b <<<"$(outer "$window")"
    (( $1 )) && return 0
    sleep 0.1
  done
  fail "$2 (frame $x,$y ${w}x$h, extents $l $r $t $b)"
}

check_edge() {
  local code=$1 bar=$2 scale=$3 what="edge $1, caption bar $2, scale $3"
  local folder=$work/edge$code$bar$scale
  mkdir -p "$folder"
  # With the caption bar the window spans the screen along its edge.
  printf '%s\r\n' "DORVANE CONFIGURATION FILE v10.0" "12/08/2026  01:00:00" SETTINGS \
    "TextOnButtons 2" "ButtonWidth 64" "ButtonHeight 64" "SpecialWindowLayout $code" \
    "WindowWidthToScreen $bar" "WindowHeightToScreen $bar" "FrameX 40" "FrameY 40" \
    "FrameW 500" "FrameH 400" "AutoHide 1" "AutoHideShowCaptionBar $bar" \
    "LockWindowPosition 1" BUTTONS "CATEGORY One" >"$folder/Buttons.cfg"
  (cd "$folder" && QT_SCALE_FACTOR=$scale XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work \
    exec "$program") \
    >"$work/program.log" 2>&1 &
  local dorvane=$!
  pids+=($dorvane)
  window=$(find_window 'DORVANE  ') || fail "$what: no window appeared"
  focus "$window"
  wait_for 'h > 40 && w > 40' "$what: the window did not open expanded"
  wait_for 'x >= 0 && y >= 0 && x + w <= screen_w && y + h <= screen_h' \
    "$what: the window does not fit the work area"
  if [ "$bar" = 1 ]; then
    case $code in
      1 | 3) wait_for 'x < scale && w > screen_w - 20' "$what: the window does not span the width" ;;
      *) wait_for 'y < scale && h > screen_h - 20' "$what: the window does not span the height" ;;
    esac
  fi

  # The strip: on the screen, against its edge (a frame of an odd number of
  # pixels may leave less than one device-independent pixel free at 200 %),
  # as thick as the frame it keeps around a client of one device-independent
  # pixel (no frame without the caption bar), and at least two pixels thick.
  local strip thick="h >= 2 && h <= t + b + 2 * scale" wide="w >= 2 && w <= l + r + 2 * scale"
  case $code in
    1) strip="y >= 0 && y < scale && $thick" ;;
    2) strip="x >= 0 && x < scale && $wide" ;;
    3) strip="y + h <= screen_h && y + h > screen_h - scale && $thick" ;;
    4) strip="x + w <= screen_w && x + w > screen_w - scale && $wide" ;;
  esac
  local framed='t + b == 0'
  [ "$bar" = 1 ] && framed='t > 0'
  for round in 1 2; do
    focus "$other"
    wait_for "$strip && $framed && x >= 0 && y >= 0 && x < screen_w && y < screen_h" \
      "$what, round $round: no strip on the screen edge after losing the focus"
    # A click on the middle of the strip brings the window back, active.
    local x y w h l r t b
    read -r x y w h l r t b <<<"$(outer "$window")"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
    wait_for 'h > 40 && w > 40' "$what, round $round: a click on the strip did not expand it"
    [ "$(xdotool getactivewindow)" = "$window" ] ||
      fail "$what, round $round: the expanded window is not the active one ($(xdotool getactivewindow getwindowname 2>&1), $(outer "$window"))"
  done
  # The focus leaves while the window is still being expanded: it must end
  # up rolled up all the same.
  focus "$other"
  wait_for "$strip" "$what: the window stayed expanded behind another window"

  focus "$window"
  wait_for 'h > 40' "$what: the window did not expand before closing"
  close_program "$dorvane"
}

for scale in 1 2; do
  for code in 1 2 3 4; do
    for bar in 0 1; do
      check_edge $code $bar $scale
    done
  done
done
echo "PASS: strips on every edge"
