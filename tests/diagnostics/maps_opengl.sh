#!/usr/bin/env bash
# The maps window on a display with OpenGL: starts its own virtual X server with software
# GL, draws the timing map in each of the four chart styles and checks the screenshots.
#   maps_opengl.sh PROGRAM DATA_DIR [SHOTS_DIR]
# SHOTS_DIR (default: a temporary folder) keeps the four screenshots maps_style0..3.png.
set -u
program=$1 data=$2
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
shots=${3:-$work/shots}
mkdir -p "$shots"
xvfb_pid=
trap '[ -n "$xvfb_pid" ] && { kill "$xvfb_pid"; wait "$xvfb_pid"; } 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

command -v Xvfb >/dev/null || fail "Xvfb is not installed (setup.sh installs it)"
# A display number of our own: from the process id, skipping any in use.
n=$((100 + $$ % 800))
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1600x1200x24 +extension GLX -nolisten tcp -noreset > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$n" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log"; fail "Xvfb :$n did not start"; }
  sleep 0.1
done
[ -e "/tmp/.X11-unix/X$n" ] || fail "Xvfb :$n did not come up"
export DISPLAY=":$n" LIBGL_ALWAYS_SOFTWARE=1
# Without a session bus Qt's D-Bus thread would have one launched (a fork from that thread); in
# the sanitizer build the forked child can hang on a lock another thread held at the fork. A bus
# address that leads nowhere is simply refused.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
fi

# With the engine running, the cell in use is marked in every style.
styles=$(for i in 0 1 2 3; do
  printf 'click frmMaps.Option1(%s)\nscreenshot frmMaps %s\nscreenshot frmMaps %s\n' $i "$shots/maps_style$i.png" "$work/style$i.ppm"
done)
# Then unloaded with its 3D graph, by Close All and by its close box.
cat > "$work/maps.vs" <<EOF
#! env QT_QPA_PLATFORM xcb
menu Tools > Memory Maps
expect frmMaps.MSChart1 drawn true
menu File > Start / Stop Engine
click frmControls.optThrottleOn
set FRMsimulation.HSB_engine_speed 3200
set FRMsimulation.HSB_engine_load 56
tick
expect frmMaps.MSChart1 highlight 3,3
$styles
menu File > Close All
menu Tools > Memory Maps
expect frmMaps.MSChart1 drawn true
close frmMaps
EOF
"$here/run_scenario.sh" "$program" "$data" "$work/maps.vs" || fail "the script failed (no OpenGL under Xvfb?)"

# Every picture shows a chart (many colours in the chart's area), and no two are alike.
python3 - "$work" <<'PY' || exit 1
import re, sys

def chart_area(path):  # right of the choices, below the title bar: every third line
    data = open(path, 'rb').read()
    m = re.match(rb'P6\s+(\d+)\s+(\d+)\s+\d+\s', data) or sys.exit(f"FAIL: {path} is not a binary PPM picture")
    w, h, px = int(m[1]), int(m[2]), data[m.end():]
    return b''.join(px[(y * w + 200) * 3:(y * w + w - 10) * 3] for y in range(h // 8, h - 8, 3))

areas = [chart_area(f"{sys.argv[1]}/style{i}.ppm") for i in range(4)]
ok = True
for i, a in enumerate(areas):
    colours = {a[k:k + 3] for k in range(0, len(a), 3 * 7)}
    if len(colours) < 40:
        print(f"FAIL: style {i}: the chart area is blank ({len(colours)} colours)")
        ok = False
for i in range(4):
    for j in range(i + 1, 4):
        samples = range(0, min(len(areas[i]), len(areas[j])), 3 * 5)
        differing = sum(1 for k in samples if areas[i][k:k + 3] != areas[j][k:k + 3])
        if differing < len(samples) // 20:
            print(f"FAIL: styles {i} and {j} look the same ({differing} of {len(samples)} samples differ)")
            ok = False
sys.exit(0 if ok else 1)
PY
echo "four chart styles drawn and distinct"
