#!/usr/bin/env bash
# Builds Vantorel with its tests (installing what is missing) and runs every test twice: in the
# normal build, then in a Debug build with AddressSanitizer, its leak check and
# UndefinedBehaviorSanitizer (its own folder, "$BUILD_DIR-san"), where any report fails the test.
# SANITIZE=0 skips the second pass.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
build=${BUILD_DIR:-build}
start=$SECONDS
status=0
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" || status=1
echo "normal pass: $((SECONDS - start)) s"
if [ "${SANITIZE:-1}" != 0 ]; then
  start=$SECONDS
  cmake -S . -B "$build-san" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTOREL_SANITIZE=ON -DVANTOREL_BENCH=OFF > /dev/null
  cmake --build "$build-san"
  ctest --test-dir "$build-san" --output-on-failure -j "$(nproc)" || status=1
  echo "sanitizer pass: $((SECONDS - start)) s"
fi
exit $status
