#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test: the unit and widget tests, the end-to-end tests under Xvfb, the
# core tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and
# a kill-during-save run (200 writers killed at random points) and bounded
# runs of the fuzzers.
# DV_QUICK=1 runs only the first build's tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${DV_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDV_WERROR=ON
cmake --build "$build" -j2
# A test that fails once under load is run again; one that fails twice fails the run.
ctest --test-dir "$build" --output-on-failure -j2 --repeat until-pass:2

if [ "${DV_QUICK:-0}" != 1 ]; then
  sanitize=${DV_SANITIZE_BUILD_DIR:-build-sanitize}
  cmake -S . -B "$sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDV_WERROR=ON \
    -DDV_SANITIZE=ON -DDV_GUI=OFF
  cmake --build "$sanitize" -j2
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$sanitize" --output-on-failure -j2
  tests/stress/kill_during_save.sh "$build/tools/dorvane-cfg" "$build/app/dorvane-testable" \
    "${DV_KILL_ROUNDS:-200}"
  scripts/fuzz.sh "${DV_FUZZ_SECONDS:-60}"
fi
