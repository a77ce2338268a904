#!/usr/bin/env bash
# Checks the layering rules of docs/architecture.md on the sources:
#   layers.sh SOURCE_DIR SIM_TEST_PROGRAM
# - src/sim/ includes only its own headers and the number units of platform/;
# - no subsystem includes a header of app/ but app/options.h;
# - no window is looked up by a literal name outside script mode and the window framework;
# - the simulation's test program is not linked with Qt Widgets or Gui.
set -u
src=$1/src sim_test=$2
fail=0
report() { echo "$1"; fail=1; }

while IFS= read -r line; do
  report "the simulation includes what it may not: $line"
done < <(grep -Hn '^#include "' "$src"/sim/*.h "$src"/sim/*.cpp |
         grep -vE '#include "(sim/[a-z]+\.h|platform/vbtypes\.h|platform/numbers\.h)"')

while IFS= read -r line; do
  report "a subsystem reaches into app/: $line"
done < <(grep -rHn '^#include "app/' "$src" --include='*.h' --include='*.cpp' |
         grep -v "^$src/app/" | grep -v '#include "app/options.h"')

while IFS= read -r line; do
  report "a window looked up by name: $line"
done < <(grep -rHnE 'Forms::(get|find|exists|unload)\("' "$src" --include='*.h' --include='*.cpp' |
         grep -vE "^$src/(app/script/|platform/form\.)")

if ldd "$sim_test" | grep -qE 'libQt6(Widgets|Gui)'; then
  report "sim_test is linked with Qt Widgets or Gui"
fi
[ $fail = 0 ] && echo "the layers hold"
exit $fail
