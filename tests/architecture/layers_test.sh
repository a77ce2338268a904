#!/usr/bin/env bash
# The layering check on small source trees made for the purpose: it fails on a folder or program
# that is not there, fails when a simulation test needs a window, and fails on
# a subsystem that includes another's window header.
#   layers_test.sh LAYERS_SCRIPT
set -u
layers=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
program=$(type -P true)  # a program linked with neither Qt Widgets nor Gui
failures=0
fail() { echo "FAILED: $1"; failures=$((failures + 1)); }

# A tree that keeps every rule: the simulation, app/, platform/, the subsystems, a window of the
# engine's and a simulation test.
tree() {
  rm -rf "$work/tree"
  local t=$work/tree
  mkdir -p "$t/src/sim" "$t/src/app" "$t/src/platform" "$t/tests/sim"
  for s in engine electrical faults multiscope telemetry waveedit diagnostics users challenges; do mkdir -p "$t/src/$s"; done
  printf '#include "platform/vbtypes.h"\n' > "$t/src/sim/model.h"
  printf '#include "sim/model.h"\n#include "platform/numbers.h"\n' > "$t/src/sim/model.cpp"
  printf 'class frmThing : public Form {};\n' > "$t/src/engine/frmthing.h"
  printf '#include "engine/frmthing.h"\n#include "app/options.h"\n' > "$t/src/engine/thing.cpp"
  printf '#include "engine/frmthing.h"\n' > "$t/src/app/main.cpp"
  printf '#include "sim/model.h"\n#include "simhelpers.h"\n#include <QString>\n#include <gtest/gtest.h>\n' > "$t/tests/sim/model_test.cpp"
  printf '#include "sim/model.h"\n' > "$t/tests/sim/simhelpers.h"
}
run() { out=$("$layers" "$@" 2>&1); status=$?; }

tree
run "$work/tree" "$program"
[ $status = 0 ] || fail "a tree that keeps the rules fails: $out"
grep -q "the layers hold" <<< "$out" || fail "a tree that keeps the rules is not said to hold: $out"

run "$work/no-such-tree" "$program"
[ $status != 0 ] || fail "a folder that is not there passes: $out"
grep -q "the layers hold" <<< "$out" && fail "a folder that is not there is said to hold: $out"
grep -q "no-such-tree is missing" <<< "$out" || fail "the missing folder is not named: $out"

rm -rf "$work/tree/src/telemetry"
run "$work/tree" "$program"
[ $status != 0 ] || fail "a missing subsystem folder passes: $out"
grep -q "src/telemetry is missing" <<< "$out" || fail "the missing subsystem is not named: $out"

tree
run "$work/tree" "$work/no-such-program"
[ $status != 0 ] || fail "a program that is not there passes: $out"
grep -q "no-such-program is missing" <<< "$out" || fail "the missing program is not named: $out"

tree
printf '#include "engine/frmthing.h"\n' >> "$work/tree/tests/sim/model_test.cpp"
run "$work/tree" "$program"
[ $status != 0 ] || fail "a simulation test that includes a window passes: $out"

tree
printf '#include <QWidget>\n' >> "$work/tree/tests/sim/model_test.cpp"
run "$work/tree" "$program"
[ $status != 0 ] || fail "a simulation test that includes Qt Widgets passes: $out"

tree
printf '#include "platform/form.h"\n' >> "$work/tree/tests/sim/simhelpers.h"
run "$work/tree" "$program"
[ $status != 0 ] || fail "a simulation test's helper that includes the window framework passes: $out"

tree
printf '#include "engine/frmthing.h"\n' > "$work/tree/src/faults/faults.cpp"
printf '#include "engine/frmthing.h"\n' > "$work/tree/src/users/login.cpp"
run "$work/tree" "$program"
[ $status != 0 ] || fail "a subsystem including another's window header passes: $out"
grep -q "the layers hold" <<< "$out" && fail "a subsystem including another's window header is said to hold: $out"
grep -q "^2 includes of another subsystem's window header" <<< "$out" || fail "the two includes are not counted: $out"
grep -q "faults/faults.cpp:1:#include \"engine/frmthing.h\"" <<< "$out" || fail "the include is not named: $out"

tree
printf '#include "electrical/frmstarting.h"\n' > "$work/tree/src/sim/model.cpp"
run "$work/tree" "$program"
[ $status != 0 ] || fail "the simulation including a window passes: $out"

[ $failures = 0 ] && echo "the layering check works"
exit $((failures > 0))
