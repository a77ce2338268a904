#!/usr/bin/env bash
# Brings the translation files up to date with the sources: one pair of files (German, Spanish)
# for each part of the program, so that the parts can be translated side by side, and an English
# file that holds only the plural forms English needs.
#   tools/update-translations.sh [PART...]     (default: every part)
# A text new in the sources is added unfinished; a text gone from them is dropped. TS_DIR names
# another folder of translation files to bring up to date (the translation test uses a copy).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate6 || command -v /usr/lib/qt6/bin/lupdate || echo lupdate)}
declare -A parts=(
  [multiscope]="src/multiscope"
  [classroom]="src/challenges src/users"
  [systems]="src/engine src/electrical src/diagnostics src/telemetry src/waveedit src/faults"
  [core]="src/app src/platform src/sim"
)
ts=${TS_DIR:-translations}
chosen=("$@")
[ ${#chosen[@]} -eq 0 ] && chosen=(core systems multiscope classroom)
for part in "${chosen[@]}"; do
  dirs=${parts[$part]:?"no such part: $part"}
  # shellcheck disable=SC2086
  "$lupdate" -silent -locations none -no-obsolete -no-ui-lines -I src $dirs \
    -ts "$ts/${part}_de.ts" "$ts/${part}_es.ts"
  # shellcheck disable=SC2086
  "$lupdate" -silent -locations none -no-obsolete -pluralonly -I src $dirs -ts "$ts/${part}_en.ts"
done
