#!/bin/sh
# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb twice and checks that both are the same, runs Debian's
# checker on it, checks its files, their modes and its control fields, and
# starts the unpacked program to see that it shows its window quietly. A
# cross-built package is for the ARCHITECTURE given (Debian's name), and its
# program runs under the EMULATOR.
# usage: check_package.sh BUILD_DIR APP_ID [ARCHITECTURE EMULATOR]
set -eu
# The window's caption is Cyrillic: the X tools must read it as UTF-8,
# whatever locale the caller has.
export LC_ALL=C.UTF-8
build=$1
app=$2
architecture=${3:-$(dpkg --print-architecture)}
emulator=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for build_number in 1 2; do
    (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out$build_number" >cpack.log 2>&1) \
        || { cat "$work/cpack.log"; fail "cpack failed"; }
done
set -- "$work"/out1/marvendo_1.00_*.deb
[ -f "$1" ] || fail "no marvendo_1.00_<arch>.deb was made"
deb=$1
if ! cmp -s "$deb" "$work/out2/$(basename "$deb")"; then
    dpkg-deb -c "$deb" >"$work/list1"
    dpkg-deb -c "$work/out2/$(basename "$deb")" >"$work/list2"
    fail "two packages of the same build differ: $(diff "$work/list1" "$work/list2")"
fi

# Info tags may stay (the README says which); errors and warnings not.
command -v lintian >/dev/null || fail "lintian is not installed (scripts/setup installs it)"
lintian --info "$deb" >"$work/lintian" 2>&1 || true
! grep -E '^[EW]: ' "$work/lintian" || fail "lintian: $(cat "$work/lintian")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = marvendo ] || fail "Package: $(field Package)"
[ "$(field Version)" = 1.00 ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$architecture" ] || fail "Architecture: $(field Architecture), not $architecture"
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation qt6-qpa-plugins qt6-wayland; do
    field Depends | grep -q "$dependency" || fail "Depends lacks $dependency: $(field Depends)"
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | LC_ALL=C sort)
expected=$(sed 's|^|./usr/|' "$(dirname "$0")/installed-files.txt")
[ "$files" = "$expected" ] || fail "package files differ:
$files"
executables=$(dpkg-deb -c "$deb" | awk '$1 ~ /^-..x/ {print $6}')
[ "$executables" = ./usr/bin/marvendo ] || fail "executable files: $executables"

dpkg-deb -x "$deb" "$work/root"
case "$architecture" in
    amd64) machine="x86-64" ;;
    arm64) machine="ARM aarch64" ;;
    *) fail "no machine known for the architecture $architecture" ;;
esac
file -b "$work/root/usr/bin/marvendo" | grep -q "ELF 64-bit.*, $machine," \
    || fail "the program is not for $architecture: $(file -b "$work/root/usr/bin/marvendo")"

# The unpacked program, on an X server of its own: it must show its window
# and say nothing.
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "$(dirname "$0")/../scripts/with-xvfb" sh -c '
    $3 "$1/root/usr/bin/marvendo" >"$1/stdout" 2>"$1/stderr" &
    pid=$!
    "$2/wait-window" "ЗИФ" >/dev/null
    status=$?
    kill "$pid"
    exit "$status"' sh "$work" "$(dirname "$0")/../scripts" "$emulator" || {
    cat "$work/stderr" >&2
    fail "the unpacked program showed no window"
}
[ ! -s "$work/stderr" ] || { cat "$work/stderr" >&2; fail "the program printed errors"; }
[ ! -s "$work/stdout" ] || { cat "$work/stdout" >&2; fail "the program printed output"; }
echo "package $(basename "$deb") is in order and its program runs"
