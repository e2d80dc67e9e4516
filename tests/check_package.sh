#!/bin/sh
# Builds the .deb, unpacks it, checks its files and control fields, and
# starts the unpacked program headless to see that it keeps running quietly.
# usage: check_package.sh BUILD_DIR APP_ID
set -eu
build=$1
app=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >cpack.log 2>&1) \
    || { cat "$work/cpack.log"; fail "cpack failed"; }
set -- "$work"/out/marvendo_1.00_*.deb
[ -f "$1" ] || fail "no marvendo_1.00_<arch>.deb was made"
deb=$1

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = marvendo ] || fail "Package: $(field Package)"
[ "$(field Version)" = 1.00 ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation qt6-qpa-plugins; do
    field Depends | grep -q "$dependency" || fail "Depends lacks $dependency: $(field Depends)"
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | LC_ALL=C sort)
expected="./usr/bin/marvendo
./usr/share/applications/$app.desktop
./usr/share/icons/hicolor/128x128/apps/$app.png
./usr/share/icons/hicolor/32x32/apps/$app.png
./usr/share/icons/hicolor/64x64/apps/$app.png
./usr/share/metainfo/$app.metainfo.xml"
[ "$files" = "$expected" ] || fail "package files differ:
$files"

dpkg-deb -x "$deb" "$work/root"
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
    "$work/root/usr/bin/marvendo" >"$work/stdout" 2>"$work/stderr" &
pid=$!
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" || true
    cat "$work/stderr" >&2
    fail "the unpacked program ended by itself"
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
[ ! -s "$work/stderr" ] || { cat "$work/stderr" >&2; fail "the program printed errors"; }
[ ! -s "$work/stdout" ] || { cat "$work/stdout" >&2; fail "the program printed output"; }
echo "package $(basename "$deb") is in order and its program runs"
