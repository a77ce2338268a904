#!/usr/bin/env bash
# The files the program writes do not depend on its language: runs one scenario in English,
# German and Spanish and compares what it printed of the files it wrote (its `file` lines).
#   same_files.sh PROGRAM DATA_DIR SCRIPT
set -u
program=$1 data=$2 script=$3
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rc=0
for lang in English German Spanish; do
  { printf '#! setting ZRsettings ZRlanguage %s\n' "$lang"; cat "$script"; } > "$work/$lang.vs"
  if ! VANTOREL_TRANSCRIPTS="$work/$lang.transcript" "$here/run_scenario.sh" "$program" "$data" "$work/$lang.vs"; then
    echo "the scenario failed in $lang"
    rc=1
  fi
  # The file's own text; where it was written is a temporary folder of each run's own.
  cat "$work/$lang.transcript".* 2> /dev/null | grep '"event":"file"' | sed -E 's/"path":"[^"]*",?//' > "$work/$lang.files"
done
if [ ! -s "$work/English.files" ]; then
  echo "the scenario printed no file"
  exit 1
fi
for lang in German Spanish; do
  if ! diff "$work/English.files" "$work/$lang.files" > "$work/diff"; then
    echo "the files written in $lang differ from the English run's:"
    head -c 4000 "$work/diff"
    rc=1
  fi
done
[ $rc -eq 0 ] && echo "the same files in English, German and Spanish ($(wc -l < "$work/English.files") files)"
exit $rc
