#!/usr/bin/env bash
# Every control of the main window and of each dialog its menus open is named
# in the accessibility tree (AT-SPI), as a screen reader needs.
# Usage: a11y_e2e.sh PROGRAM SAMPLE_DIR. Exit 77 = skipped.
set -u
program=$1
sample=$2
needed="dbus-run-session"
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }
. "$(dirname "$0")/x11-session.sh"

mkdir -p "$work/data/dorvane" "$work/config/Ombrell" "$work/runtime"
chmod 700 "$work/runtime"
cp "$sample"/*.cfg "$work/data/dorvane/"
printf '[Settings]\nDVFirstUse=0\n' >"$work/config/Ombrell/Dorvane.ini"
XDG_RUNTIME_DIR=$work/runtime dbus-run-session -- \
  "$python" "$(dirname "$0")/atspi_names.py" "$program" "$work" || fail "see above"
