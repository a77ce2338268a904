#!/usr/bin/env bash
# Builds Vantorel with its tests (installing what is missing) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
