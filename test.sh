#!/usr/bin/env bash
# Builds Vantorel with its tests (installing what is missing) and runs every test twice: in the
# normal build, then in a Debug build with AddressSanitizer, its leak check and
# UndefinedBehaviorSanitizer (its own folder, "$BUILD_DIR-san"), where any report fails the test.
# SANITIZE=0 skips the second pass. At the end it prints how long each phase took.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
build=${BUILD_DIR:-build}
jobs=$(nproc)

# ccache when the machine has it: paths are taken relative to this folder, so that a clone in
# another folder reuses what an earlier build compiled.
launcher=()
if command -v ccache > /dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi

timings=()
phase() {  # phase NAME COMMAND...: runs the command and notes its time
  local name=$1 start=$SECONDS rc=0
  shift
  "$@" || rc=$?
  timings+=("$(printf '%-28s %5d s' "$name" $((SECONDS - start)))")
  return $rc
}

status=0
pass() {  # pass LABEL FOLDER CMAKE_OPTIONS...
  local label=$1 dir=$2
  shift 2
  phase "$label: configure" cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" > /dev/null
  phase "$label: build" cmake --build "$dir" -j "$jobs"
  phase "$label: tests" ctest --test-dir "$dir" --output-on-failure -j "$jobs" || status=1
}

total=$SECONDS
pass "normal pass" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ "${SANITIZE:-1}" != 0 ]; then
  pass "sanitizer pass" "$build-san" -DCMAKE_BUILD_TYPE=Debug -DVANTOREL_SANITIZE=ON -DVANTOREL_BENCH=OFF
fi
echo
echo "Time by phase ($jobs jobs; load average now $(cut -d' ' -f1-3 /proc/loadavg)):"
printf '  %s\n' "${timings[@]}"
printf '  %-28s %5d s\n' "total" $((SECONDS - total))
exit $status
