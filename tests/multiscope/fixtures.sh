#!/usr/bin/env bash
# Test fixtures for the instrument, written into a copy of the program's folder:
#   fixtures.sh DIR
# - a waveform for each connection-point caption: DMM text "  <caption> reading", sample i
#   (1..50) = i - 25;
# - the fault waveforms, DMM text "  <name>" and every sample = 10 (13V.msf: 13, and so on
#   for the voltage files; Blank.msf: 0);
# - a picture for each caption (a small bitmap; the loader goes by content, not name) and its
#   text "Text of <caption>"; the fuel pump's picture is large (1200 x 600), to be scaled down.
set -eu
dir=$1

le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"; }

# bmp FILE WIDTH HEIGHT: a 24-bit picture in one colour; the width a multiple of 4.
bmp() {
  local file=$1 w=$2 h=$3
  local size=$((w * h * 3))
  {
    printf 'BM'; le32 $((54 + size)); le32 0; le32 54
    le32 40; le32 "$w"; le32 "$h"; printf '\x01\x00\x18\x00'; le32 0; le32 "$size"; le32 2835; le32 2835; le32 0; le32 0
    head -c "$size" /dev/zero | tr '\0' '\140'
  } > "$file"
}

# waveform FILE DMM SAMPLE-EXPRESSION (of i)
waveform() {
  local file=$1 dmm=$2 expr=$3
  {
    printf '"%s"\r\n' "$dmm"
    for i in $(seq 1 50); do printf '"%s"\r\n' $((expr)); done
  } > "$file"
}

captions=("Engine speed" "Engine load %" "Temperature" "System voltage" "Lambda" "Knock"
  "Ignition coil dwell %" "Fuel injector ms" "Fuel pump" "Pressure regulator" "Spark timing BTDC"
  "Starter switch" "Starter supply" "Starter earth" "Starter speed" "Charge warning light"
  "Alternator speed" "Alternator earth")
for c in "${captions[@]}"; do
  waveform "$dir/$c.msf" "  $c reading" 'i - 25'
  bmp "$dir/$c.jpg" 8 4
  printf 'Text of %s\r\n' "$c" > "$dir/$c.txt"
done
bmp "$dir/Fuel pump.jpg" 1200 600
for f in "Blank:0" "Low lambda:-20" "High lambda:20" "8V:8" "12V:12" "13V:13" "16V:16" "0V:0" "1:1"; do
  name=${f%%:*} value=${f##*:}
  waveform "$dir/$name.msf" "  $name" "$value"
done
