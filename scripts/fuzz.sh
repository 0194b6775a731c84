#!/usr/bin/env bash
# Builds the configuration-reader fuzzer with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in its own build folder and runs it for a bounded
# time on the seed files of fuzz/seeds. Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${DV_FUZZ_BUILD_DIR:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDV_FUZZ=ON -DDV_GUI=OFF -DDV_SANITIZE=ON -DDV_WERROR=OFF
# Warnings are enforced by the GCC build; here clang's extra ones only print.
cmake --build "$build" --target config_reader_fuzz -j2
corpus="$build/fuzz-corpus"
mkdir -p "$corpus"
cp fuzz/seeds/*.cfg "$corpus/"
"$build/fuzz/config_reader_fuzz" "$corpus" -max_total_time="$seconds" -max_len=65536 \
  -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$build/"
