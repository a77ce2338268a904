#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks its control data and contents, unpacks
# it and runs the unpacked program in script mode: it must find its data from its own place,
# work on a per-user copy, and leave the unpacked data as it was.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/pkg/vantorel_1.0.0_*.deb) || fail "no vantorel_1.0.0 package"
info=$(dpkg-deb --info "$deb")
echo "$info" | grep -E '^ (Package|Version|Section|Architecture|Depends):'
depends=$(echo "$info" | sed -n 's/^ Depends: //p')
for dep in libqt6sql6-sqlite qt6-qpa-plugins fonts-dejavu-core libqt6widgets6 libqt6sql6 libqt6datavisualization6 libc6; do
  grep -q "^ *$dep\b" <<< "${depends//,/$'\n'}" || fail "Depends lacks $dep"
done
# Qt Network serves nothing of the program's: the program does not link it.
! grep -q "libqt6network6" <<< "$depends" || fail "Depends names libqt6network6"
grep -q '^ Section: education$' <<< "$info" || fail "section"
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for f in bin/vantorel share/vantorel/ZR.db share/vantorel/circuit.png share/vantorel/Lambda.msf \
         share/vantorel/help/index.html share/applications/vantorel.desktop share/man/man1/vantorel.1.gz \
         share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/vantorel.png share/icons/hicolor/scalable/apps/vantorel.svg; do
  grep -qx "\./usr/$f" <<< "$contents" || fail "package lacks /usr/$f"
done
! grep -E 'mkdata|mkicon|_test|/tests?/' <<< "$contents" || fail "build tools in the package"

root=$work/root
dpkg-deb -x "$deb" "$root"
exe=$root/usr/bin/vantorel shipped=$root/usr/share/vantorel
[ "$("$exe" --version)" = "vantorel 1.0.0" ] || fail "--version"
grep -q -- '--script FILE' <<< "$("$exe" --help)" || fail "--help"
set +e; "$exe" --bogus > "$work/out" 2> "$work/err"; rc=$?; set -e
[ $rc -eq 2 ] && [ ! -s "$work/out" ] && grep -q usage "$work/err" || fail "unknown option: status $rc"

hashes() { (cd "$shipped" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
hashes > "$work/before"
export XDG_DATA_HOME=$work/xdg XDG_CONFIG_HOME=$work/config TMPDIR=$work
run() { "$exe" --script "$1" > "$work/transcript" 2> "$work/stderr" || { cat "$work/transcript" "$work/stderr"; fail "script $1"; }; }
# A waveform the user edits and saves over a shipped one, and one saved under a new name.
cat > "$work/edit.vs" <<'EOF'
menu Tools > MultiScope
answer file Lambda.msf
menu File > Open...
dblclick MultiScope.scopescreen
set frmWaveEdit.txtYvalue(0) "edited by the user"
click frmWaveEdit.cmdSave
answer file DATA:mine.msf
click frmWaveEdit.cmdSaveAs
expect fileline DATA:Lambda.msf 1 "\"edited by the user\""
EOF
run "$work/edit.vs"
user=$XDG_DATA_HOME/vantorel
grep -q '"edited by the user"' "$user/Lambda.msf" "$user/mine.msf" || fail "the saves did not land in $user"
cmp -s "$shipped/ZR.db" "$user/ZR.db" || fail "no copy of the database in $user"
hashes | diff "$work/before" - || fail "the unpacked data changed"
[ ! -e "$shipped/mine.msf" ] || fail "saved into the shipped folder"

# No per-user copy possible (the data home is a file): said so, and the program still runs.
export XDG_DATA_HOME=$work/cpack.log
printf 'expect event "could not make the folder"\nmenu Tools > MultiScope\nanswer file Lambda.msf\nmenu File > Open...\n' > "$work/ro.vs"
run "$work/ro.vs"
grep -q "runs from the installed files in $shipped" "$work/stderr" || fail "no message on stderr"
echo "package test passed: $(basename "$deb")"
