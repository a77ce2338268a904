#!/usr/bin/env bash
# Runs one scenario script against a temporary copy of the program's folder.
#   run_scenario.sh PROGRAM DATA_DIR SCRIPT
# Directives in the script (lines starting with "#!"), applied before the first run:
#   #! setting SECTION KEY VALUE   store a value in the settings before start-up
#   #! remove FILE                 remove a data file from the copy
#   #! garble FILE                 overwrite a data file with bytes that are not its format
#   #! readonly-temp               make the temporary folder unwritable (the report files too, even for root)
#   #! restart                     end this run here and start the program again (same settings)
#   #! env NAME VALUE              set an environment variable for the program's runs
#   #! sh COMMAND                  run a shell command first ($work/data, $work/tmp, $work/userdata and $conf are set)
#   #! screen WIDTH HEIGHT         the virtual screen's size in pixels (1920 x 1080 unless given)
# The transcript of each run is kept in $VANTOREL_TRANSCRIPTS (if set) or printed on failure.
set -u
program=$1 data=$2 script=$3
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/data" "$work/config" "$work/tmp" "$work/userdata"
cp -r "$data"/. "$work/data/"
rm -f "$work/data/$(basename "$program")"
# The offscreen platform's one screen: large enough for every window at its own size, unless a
# scenario asks for a smaller one.
screen() {
  printf '{"screens":[{"name":"virtual","x":0,"y":0,"width":%d,"height":%d,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]}\n' "$1" "$2" > "$work/screen.json"
}
screen 1920 1080
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/userdata" TMPDIR="$work/tmp" LC_ALL=C.UTF-8
export QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json"
conf="$work/config/Vantorel/Vantorel.conf"

set_setting() {
  mkdir -p "$(dirname "$conf")"
  touch "$conf"
  # Append to the section, creating it when missing.
  if grep -q "^\[$1\]" "$conf"; then
    sed -i "/^\[$1\]/a $2=$3" "$conf"
  else
    printf '\n[%s]\n%s=%s\n' "$1" "$2" "$3" >> "$conf"
  fi
}

part=0
rc=0
run_part() {
  local file=$1
  local out="$work/transcript.$part"
  "$program" --data "$work/data" --script "$file" > "$out" 2> "$work/stderr.$part"
  local status=$?
  if [ -n "${VANTOREL_TRANSCRIPTS:-}" ]; then cp "$out" "$VANTOREL_TRANSCRIPTS.$part"; fi
  if [ $status -ne 0 ]; then
    echo "--- run $part of $script failed (exit $status); transcript:"
    cat "$out"
    cat "$work/stderr.$part"
    rc=1
  fi
  part=$((part + 1))
}

current="$work/part.vs"
: > "$current"
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    "#! setting "*) read -r _ _ section key value <<< "$line"; set_setting "$section" "$key" "$value" ;;
    "#! remove "*) rm -f "$work/data/${line#\#! remove }" ;;
    "#! garble "*) printf 'this is not the file you are looking for\n' > "$work/data/${line#\#! garble }" ;;
    # Folders where the scanner's report files go, and no write permission: nothing can be
    # written there, not even by root.
    "#! readonly-temp"*) mkdir -p "$work/tmp/Faults.scn" "$work/tmp/Scanner.scn"; chmod a-w "$work/tmp" ;;
    "#! env "*) read -r _ _ name value <<< "$line"; export "$name=$value" ;;
    "#! screen "*) read -r _ _ width height <<< "$line"; screen "$width" "$height" ;;
    "#! sh "*) ( eval "${line#\#! sh }" ) ;;
    "#! restart"*) run_part "$current"; current="$work/part$part.vs"; : > "$current" ;;
    *) printf '%s\n' "$line" >> "$current" ;;
  esac
done < "$script"
run_part "$current"
exit $rc
