#!/bin/sh
# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows ZIP, checks its files and the program's resources, then
# unpacks it into a fresh wine prefix, where neither Qt nor MinGW exists,
# starts it and reads back the window it shows, as Windows 10 and as
# Windows 11, with the light and the dark app theme: the same picture each
# time, with the form's colours, every text legible. Last, with a stand-in for UI Automation's
# library that says a screen reader listens, plays by mouse and keys and
# reads back what the screen reader was told. Needs an X display of its own.
# usage: check_windows_bundle.sh BUILD_DIR OBJDUMP WINDRES UIA_STANDIN UIA_CLIENT
set -eu
build=$1
objdump=$2
windres=$3
uia_standin=$4
uia_client=$5
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

# The Qt it carries is the one THIRD-PARTY.txt names.
qt=$("$windres" -J coff -i "$app/Qt6Core.dll" -O rc | sed -n 's/.*VALUE "FileVersion", "\([0-9.]*\)\.0".*/\1/p')
debian=$(sed -n 's/.*apt-get source qt6-base=\([^"]*\)".*/\1/p' "$app/THIRD-PARTY.txt")
[ -n "$qt" ] && [ "${debian%%+*}" = "$qt" ] && grep -q "^Qt $qt (" "$app/THIRD-PARTY.txt" \
    || fail "Qt6Core.dll is Qt ${qt:-of no version}, THIRD-PARTY.txt names qt6-base ${debian:-of no version}"
echo "Qt $qt, from Debian's qt6-base $debian"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all
wineboot -i >/dev/null 2>&1
unset WINEPATH
# The stand-in answers that a screen reader listens, and writes down every
# notification the program raises.
cp "$uia_standin" "$WINEPREFIX/drive_c/windows/system32/uiautomationcore.dll"
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=;uiautomationcore=n"
MARVENDO_UIA_LOG=$(winepath -w "$work/uia.log")
export MARVENDO_UIA_LOG

for version in win10 win11; do
    for theme in light dark; do
        wine reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
            /v AppsUseLightTheme /t REG_DWORD /d "$([ "$theme" = light ] && echo 1 || echo 0)" /f >/dev/null 2>&1
        echo "as $version, $theme:"
        show_window "$app/marvendo.exe" "$work/stderr"
        python3 "$here/windows_window.py" look "$window" "$work/look.xwd" || fail "the window as $version, $theme"
        if [ "$version-$theme" = win11-dark ]; then
            python3 "$here/windows_window.py" play "$window" "$work/uia.log" wine "$uia_client" \
                || fail "what a screen reader is told"
        fi
        kill "$pid" 2>/dev/null || true
        wineserver -k 2>/dev/null || true
        wineserver -w
        pid=""
    done
done
echo "marvendo-1.00-win64.zip holds what it should and its program shows the window and tells a screen reader"
