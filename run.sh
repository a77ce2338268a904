#!/usr/bin/env bash
# Builds Vantorel (installing what is missing) and starts the simulator.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" --target vantorel
exec "$build/bin/vantorel" "$@"
