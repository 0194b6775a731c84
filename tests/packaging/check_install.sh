#!/usr/bin/env bash
# Installs the build into a staging folder and checks what a desktop
# application must bring: the layout under the prefix, a valid desktop entry
# and AppStream file, manual pages that render without warnings, and a start
# script that sets up a fresh data folder, and no test-only switch in the
# installed program. Usage: check_install.sh BUILD_DIR
set -u
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$stage/usr" >/dev/null || { echo "install failed"; exit 1; }
usr=$stage/usr

for f in bin/dorvane bin/dorvane-cfg libexec/dorvane/dorvane libexec/dorvane/dorvane-sound.so \
    share/applications/dorvane.desktop share/metainfo/org.ombrell.Dorvane.metainfo.xml \
    share/icons/hicolor/scalable/apps/dorvane.svg share/icons/hicolor/48x48/apps/dorvane.png \
    share/icons/hicolor/256x256/apps/dorvane.png share/man/man1/dorvane.1.gz \
    share/man/man1/dorvane-cfg.1.gz share/doc/dorvane/copyright share/dorvane/sounds/DV_Launch_App.wav \
    share/dorvane/ombrell-programs.html; do
  [ -e "$usr/$f" ] || fail "missing $f"
done
[ -x "$usr/bin/dorvane" ] || fail "the start script is not executable"
[ -x "$usr/libexec/dorvane/dorvane" ] || fail "the program is not executable"
writable=$(find "$usr/share/dorvane/sounds" -type f -perm /022)
[ -z "$writable" ] || fail "sound files writable by others: $writable"
# Nothing is installed outside the FHS folders of the prefix.
stray=$(cd "$usr" && find . -mindepth 1 -maxdepth 1 | grep -vE '^\./(bin|libexec|share)$')
[ -z "$stray" ] || fail "unexpected top-level entries: $stray"

if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$usr/share/applications/dorvane.desktop" 2>&1) || fail "desktop entry: $out"
else
  echo "desktop-file-validate not installed: entry not validated"
fi
if command -v appstreamcli >/dev/null; then
  out=$(appstreamcli validate --no-net "$usr/share/metainfo/org.ombrell.Dorvane.metainfo.xml" 2>&1) ||
    fail "metainfo: $out"
else
  echo "appstreamcli not installed: metainfo not validated"
fi
if command -v man >/dev/null; then
  for page in dorvane dorvane-cfg; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=all -E UTF-8 -l \
      "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man page $page: $warnings"
    rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$usr/share/man/man1/$page.1.gz" 2>/dev/null)
    grep -q "EXIT STATUS" <<<"$rendered" || fail "man page $page has no exit status"
  done
fi

# The switches automated runs set are in the testable build only: no
# installed file names them, while the testable program does (so the search
# would find them).
for switch in DORVANE_TEST_DROP DORVANE_EXIT_AFTER_FIRST_PAINT; do
  grep -rlaF "$switch" "$usr" && fail "the installed files above name $switch"
  grep -qaF "$switch" "$build/app/dorvane-testable" || fail "the testable program lacks $switch"
done

"$usr/bin/dorvane-cfg" --version | grep -q '^dorvane-cfg ' || fail "installed dorvane-cfg does not run"

# The start script, run with a stand-in program, makes the data folder, copies
# the sounds into it and starts the program there with its arguments.
home=$stage/home
mkdir -p "$home"
cp "$usr/libexec/dorvane/dorvane" "$stage/dorvane.real"
printf '#!/bin/sh\npwd > "%s/started-in"\necho "$@" > "%s/started-with"\n' "$home" "$home" \
  >"$usr/libexec/dorvane/dorvane"
chmod +x "$usr/libexec/dorvane/dorvane"
HOME=$home XDG_DATA_HOME= "$usr/bin/dorvane" --probe || fail "start script failed"
[ "$(cat "$home/started-in" 2>/dev/null)" = "$home/.local/share/dorvane" ] ||
  fail "program not started in its data folder"
[ "$(cat "$home/started-with" 2>/dev/null)" = "--probe" ] || fail "arguments not passed on"
[ -f "$home/.local/share/dorvane/DV_Launch_App.wav" ] || fail "default sounds not copied"

if [ $failures -eq 0 ]; then
  echo "The installed layout is complete and valid."
  exit 0
fi
exit 1
