#!/bin/sh
# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows ZIP, checks its files and the program's resources, then
# unpacks it into a fresh wine prefix, where neither Qt nor MinGW exists,
# starts it and reads back the window it shows. Needs an X display of its own.
# usage: check_windows_bundle.sh BUILD_DIR OBJDUMP WINDRES
set -eu
build=$1
objdump=$2
windres=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-check.sh"

(cd "$work" && cpack -G ZIP --config "$build/CPackConfig.cmake" -B "$work/out" >cpack.log 2>&1) \
    || { cat "$work/cpack.log"; fail "cpack failed"; }
zip="$work/out/marvendo-1.00-win64.zip"
[ -f "$zip" ] || fail "no marvendo-1.00-win64.zip was made"
(cd "$work" && cmake -E tar xf "$zip")
app="$work/marvendo-1.00-win64"

files=$(cd "$app" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$files" = "$(cat "$here/windows-bundle-files.txt")" ] || fail "bundle files differ:
$files"

"$objdump" -p "$app/marvendo.exe" | grep -q '^Subsystem.*(Windows GUI)' \
    || fail "marvendo.exe is not a Windows GUI program"
resources=$("$windres" -J coff -i "$app/marvendo.exe" -O rc) || fail "cannot read the resources of marvendo.exe"
for expected in "RT_GROUP_ICON" "VALUE \"FileVersion\", \"1.00\"" "VALUE \"ProductVersion\", \"1.00\""; do
    echo "$resources" | grep -qF "$expected" || fail "marvendo.exe lacks $expected"
done

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
wineboot -i >/dev/null 2>&1
unset WINEPATH
show_window "$app/marvendo.exe" "$work/stderr"

# The form's colour, the orange title, the green and red tallies, once the
# first frame is painted.
expected="192,192,255 255,192,128 0,255,0 255,0,0 192,192,255"
deadline=$(($(date +%s) + 120))
until colours=$(xwd -silent -id "$window" 2>/dev/null >"$work/window.xwd" \
        && python3 "$here/../scripts/xwd.py" pixels "$work/window.xwd" 3,3 100,10 10,190 360,190 470,200) \
    && [ "$colours" = "$expected" ]; do
    [ "$(date +%s)" -lt "$deadline" ] || fail "colours: ${colours:-the window could not be read}"
    sleep 0.2
done
echo "marvendo-1.00-win64.zip holds what it should and its program shows the window"
