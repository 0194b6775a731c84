#!/usr/bin/env bash
# Kills the configuration writer with SIGKILL at random points of a save, many
# times, and checks after each kill that Buttons.cfg is the old file or the
# new one, whole; then starts the program once and checks that it removed the
# temporary files the killed saves left.
# Usage: kill_during_save.sh DORVANE-CFG DORVANE [ROUNDS]
set -euo pipefail
cfg=$(readlink -f "$1")
program=$(readlink -f "$2")
rounds=${3:-200}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The new configuration: 30 categories of 100 buttons, large enough that a
# save takes a while and a kill lands inside it.
{
  printf 'DORVANE CONFIGURATION FILE v10.0\r\nBUTTONS\r\n'
  for c in $(seq 30); do
    printf 'CATEGORY Category %d\r\n' "$c"
    for s in $(seq 100); do
      printf 'BUTTON %d /usr/bin/env\r\nNAME Button %d-%d\r\nPARAMETERS --opt %d\r\nend\r\n' \
        "$s" "$c" "$s" "$s"
    done
  done
} >New.cfg
printf 'DORVANE CONFIGURATION FILE v10.0\r\nBUTTONS\r\nCATEGORY Old\r\n' >Old.cfg

# The new file as the writer makes it, apart from its date line.
"$cfg" rewrite New.cfg Expected.cfg
sed 2d Expected.cfg >expected.body
started=$(date +%s%N)
"$cfg" rewrite New.cfg Timing.cfg
took_us=$((($(date +%s%N) - started) / 1000))
rm Timing.cfg

old=0
new=0
for round in $(seq "$rounds"); do
  cp Old.cfg Buttons.tmp && mv Buttons.tmp Buttons.cfg
  "$cfg" rewrite New.cfg Buttons.cfg 2>/dev/null &
  writer=$!
  # Anywhere from the start to a little after the end of the save.
  delay_us=$((RANDOM * RANDOM % (took_us * 12 / 10 + 1)))
  sleep "$(awk -v us="$delay_us" 'BEGIN { printf "%.6f", us / 1000000 }')"
  kill -9 "$writer" 2>/dev/null || true
  wait "$writer" 2>/dev/null || true
  if cmp -s Buttons.cfg Old.cfg; then
    old=$((old + 1))
  elif sed 2d Buttons.cfg | cmp -s - expected.body; then
    new=$((new + 1))
  else
    echo "FAIL: round $round: Buttons.cfg is neither the old nor the new file"
    exit 1
  fi
done
left=$(find . -maxdepth 1 -name '.Buttons.cfg.??????' | wc -l)
echo "$rounds kills (a save takes ${took_us} us): $old old files, $new new files, $left temporary files left"

# The next start of the program removes what the killed saves left.
mkdir -p home/.config/Ombrell
printf '[Settings]\nDVFirstUse=0\n' >home/.config/Ombrell/Dorvane.conf
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_QPA_PLATFORM=offscreen \
  DORVANE_EXIT_AFTER_FIRST_PAINT=1 timeout 20 "$program" >program.log 2>&1 || true
remaining=$(find . -maxdepth 1 -name '.Buttons.cfg.*' | wc -l)
if [ "$remaining" -ne 0 ]; then
  echo "FAIL: $remaining temporary files left after the next start"
  cat program.log
  exit 1
fi
"$cfg" list Buttons.cfg >/dev/null
echo "PASS"
