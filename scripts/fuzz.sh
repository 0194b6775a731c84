#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in their own build folder and runs each for a
# bounded time on its seeds in fuzz/seeds, with memory capped so that a reader
# that makes gigabytes of a small file fails. Usage: scripts/fuzz.sh [seconds]
# (the configuration reader's time; the other readers get DV_FUZZ_EXTRA_SECONDS
# each, 20 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
extra=${DV_FUZZ_EXTRA_SECONDS:-20}
build=${DV_FUZZ_BUILD_DIR:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDV_FUZZ=ON -DDV_GUI=OFF -DDV_SANITIZE=ON -DDV_WERROR=OFF
# Warnings are enforced by the GCC build; here clang's extra ones only print.
targets=(config_reader_fuzz icon_file_fuzz desktop_entry_fuzz shell_words_fuzz wav_info_fuzz)
cmake --build "$build" --target "${targets[@]}" -j2

# run TARGET SECONDS MAX_LEN SEED...
run() {
  local target=$1 time=$2 max_len=$3
  shift 3
  local corpus="$build/fuzz-corpus/$target"
  mkdir -p "$corpus"
  cp "$@" "$corpus/"
  "$build/fuzz/$target" "$corpus" -max_total_time="$time" -max_len="$max_len" \
    -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=512 -artifact_prefix="$build/$target-"
}
run config_reader_fuzz "$seconds" 65536 fuzz/seeds/*.cfg
run icon_file_fuzz "$extra" 65536 fuzz/seeds/icons/*
run desktop_entry_fuzz "$extra" 8192 fuzz/seeds/desktop/*
run shell_words_fuzz "$extra" 4096 fuzz/seeds/shell/*
run wav_info_fuzz "$extra" 4096 fuzz/seeds/wav/*
