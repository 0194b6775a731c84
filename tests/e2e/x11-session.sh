# Shared by the end-to-end scripts (sourced): a private X server with a window
# manager, a work folder removed on exit, and helpers to find, focus and close
# Dorvane's window. Set `needed` to extra tools before sourcing.
for tool in Xvfb openbox xdotool ${needed:-}; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself (-displayfd), so scripts run at once never
# meet on one server.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
display=:$(tr -d '[:space:]' <"$work/display")
[ "$display" != ":" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=$display
# A real X11 window, also when the caller runs the tests offscreen.
export QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

fail() {
  echo "FAIL: $*"
  cat "$work/program.log" 2>/dev/null
  exit 1
}

# Prints the first visible window whose name matches $1, waiting up to ten
# seconds for it; fails when none appears.
find_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

focus() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

# Activates window $1 and waits until it has the focus, so that the keys
# that follow reach it.
activate() {
  for _ in $(seq 50); do
    focus "$1"
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && { sleep 0.3; return 0; }
    sleep 0.1
  done
  fail "window $1 did not take the focus"
}

# Types $1 into the open Find Button field and presses Enter; fails with $3
# unless the chosen button's program writes the file $2.
find_and_start() {
  sleep 0.5
  xdotool type --delay 50 "$1"
  sleep 0.3
  xdotool key Return
  for _ in $(seq 50); do [ -s "$2" ] && return 0; sleep 0.1; done
  fail "$3"
}

# Closes Dorvane's window and checks that the program (pid $1) ends cleanly.
close_program() {
  focus "$window"
  xdotool key alt+F4
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$1" 2>/dev/null && fail "the program did not end on closing its window"
  wait "$1" || fail "the program ended with an error"
}
