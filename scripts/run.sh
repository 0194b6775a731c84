#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in its data
# folder (created with the default sounds on first start).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${DV_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target dorvane dorvane-cfg
exec "$build/app/dorvane-launch" "$@"
