#!/usr/bin/env bash
# Keeps the core/Qt border visible in the tree: only files under a qt/ folder
# (and app/, tests/, bench/) include Qt headers, and no file under a qt/ folder
# is compiled into the toolkit-free core.
# Usage: check_qt_border.sh SOURCE_DIR CORE_SOURCES_FILE
set -u
src=$1
core_list=$2
cd "$src" || exit 2
status=0

outside=$(git ls-files -- '*.cpp' '*.h' 2>/dev/null |
  grep -vE '(^|/)qt/|^(app|tests|bench)/' |
  xargs -r grep -lE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' 2>/dev/null)
if [ -n "$outside" ]; then
  echo "Qt headers included outside a qt/ folder:"
  printf '  %s\n' $outside
  status=1
fi

inside=$(tr ';' '\n' <"$core_list" | grep -E '(^|/)qt/')
if [ -n "$inside" ]; then
  echo "Files of a qt/ folder compiled into dorvane_core:"
  printf '  %s\n' $inside
  status=1
fi
[ $status -eq 0 ] && echo "The core/Qt border holds."
exit $status
