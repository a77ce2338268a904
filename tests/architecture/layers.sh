#!/usr/bin/env bash
# Checks the layering rules of docs/architecture.md on the sources:
#   layers.sh SOURCE_DIR SIM_TEST_PROGRAM
# - src/sim/ includes only its own headers and the number units of platform/;
# - no subsystem includes a header of app/ but app/options.h;
# - no window is looked up by a literal name outside script mode and the window framework;
# - the simulation's tests (tests/sim/) need no window: they include only the simulation, the
#   number units, their own helpers, GoogleTest, the standard library and Qt Core, and their
#   program is not linked with Qt Widgets or Gui;
# - no subsystem includes another subsystem's window header (a header declaring a class derived
#   from Form: frm*.h, multiscope.h, ...); app/ may.
# A folder or program it is given that is not there fails the check: rules checked on nothing
# would hold for nothing.
set -u
if [ $# -ne 2 ]; then
  echo "usage: layers.sh SOURCE_DIR SIM_TEST_PROGRAM" >&2
  exit 2
fi
root=$1 src=$1/src sim_test=$2
subsystems="engine electrical faults multiscope telemetry waveedit diagnostics users challenges"
fail=0
report() { echo "$1"; fail=1; }

if [ ! -d "$root" ]; then
  echo "the layers cannot be checked: the folder $root is missing"
  exit 1
fi
missing=0
for dir in "$src" "$src/sim" "$src/app" "$src/platform" "$root/tests/sim"; do
  [ -d "$dir" ] || { echo "the layers cannot be checked: the folder $dir is missing"; missing=1; }
done
for s in $subsystems; do
  [ -d "$src/$s" ] || { echo "the layers cannot be checked: the subsystem's folder $src/$s is missing"; missing=1; }
done
if [ ! -f "$sim_test" ] || [ ! -x "$sim_test" ]; then
  echo "the layers cannot be checked: the program $sim_test is missing"
  missing=1
fi
[ $missing = 0 ] || exit 1

while IFS= read -r line; do
  report "the simulation includes what it may not: $line"
done < <(grep -rHn '^#include "' "$src/sim" --include='*.h' --include='*.cpp' |
         grep -vE '#include "(sim/[a-z]+\.h|platform/vbtypes\.h|platform/numbers\.h)"')

while IFS= read -r line; do
  report "a subsystem reaches into app/: $line"
done < <(grep -rHn '^#include "app/' "$src" --include='*.h' --include='*.cpp' |
         grep -v "^$src/app/" | grep -v '#include "app/options.h"')

while IFS= read -r line; do
  report "a window looked up by name: $line"
done < <(grep -rHnE 'Forms::(get|find|exists|unload)\("' "$src" --include='*.h' --include='*.cpp' |
         grep -vE "^$src/(app/script/|platform/form\.)")

# The simulation's tests: their own includes, and Qt's only from Qt Core.
while IFS= read -r line; do
  report "a simulation test includes what needs more than the simulation: $line"
done < <(grep -rHn '^#include "' "$root/tests/sim" --include='*.h' --include='*.cpp' |
         grep -vE '#include "(sim/[a-z]+\.h|platform/vbtypes\.h|platform/numbers\.h|[a-z_]+\.h)"$')
while IFS= read -r line; do
  report "a simulation test includes a window's header: $line"
done < <(grep -rHnE '^#include "[a-z_]+\.h"' "$root/tests/sim" --include='*.h' --include='*.cpp' |
         while IFS= read -r found; do
           name=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<< "$found")
           [ -f "$root/tests/sim/$name" ] || echo "$found (no such helper in tests/sim)"
         done)
qtcore=
for dir in /usr/include/*/qt6/QtCore /usr/include/qt6/QtCore /usr/local/include/qt6/QtCore; do
  [ -d "$dir" ] && { qtcore=$dir; break; }
done
if [ -z "$qtcore" ]; then
  report "Qt Core's headers are not found: the simulation tests' Qt includes cannot be checked"
else
  while IFS= read -r line; do
    header=$(sed -E 's/.*#include <([^>]+)>.*/\1/' <<< "$line")
    [ -f "$qtcore/$header" ] || report "a simulation test includes Qt beyond Qt Core: $line"
  done < <(grep -rHnE '^#include <Q' "$root/tests/sim" --include='*.h' --include='*.cpp')
fi
if ldd "$sim_test" | grep -qE 'libQt6(Widgets|Gui)'; then
  report "sim_test is linked with Qt Widgets or Gui"
fi

# A subsystem that includes another's window header reaches that window directly instead of
# through the model under the windows or the subsystem's own non-window header.
windows=$(for s in $subsystems; do grep -rlE 'public Form\b' "$src/$s" --include='*.h'; done | sed "s#^$src/##")
crossing=0
while IFS= read -r line; do
  [ -n "$line" ] || continue
  report "a subsystem includes another subsystem's window header: $line"
  crossing=$((crossing + 1))
done < <(for s in $subsystems; do
           grep -rHn '^#include "' "$src/$s" --include='*.h' --include='*.cpp' |
             while IFS= read -r found; do
               header=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<< "$found")
               case "$header" in "$s"/*) continue ;; esac
               grep -qxF "$header" <<< "$windows" && echo "${found#$src/}"
             done
         done)
[ $crossing = 0 ] || echo "$crossing includes of another subsystem's window header"

[ $fail = 0 ] && echo "the layers hold"
exit $fail
