#!/bin/sh
# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows installer and plays a school's deployment in a fresh
# wine prefix: a silent per-machine install, the files, the Start menu
# shortcut and the Add/Remove Programs entry, the installed program's
# window, then a silent uninstall that leaves nothing behind. Needs an X
# display of its own.
# usage: check_windows_installer.sh BUILD_DIR
set -eu
build=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-check.sh"

cmake --build "$build" --target msi >"$work/build.log" 2>&1 || { cat "$work/build.log"; fail "the installer was not made"; }
msi="$build/marvendo-1.00-x64.msi"
[ -f "$msi" ] || fail "no marvendo-1.00-x64.msi was made"
name="ЗИФ - американски щати"
product=$(msiinfo export "$msi" Property | tr -d '\r' | awk -F '\t' '$1 == "ProductCode" { print $2 }')

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
unset WINEPATH
wineboot -i >/dev/null 2>&1
drive="$WINEPREFIX/drive_c"
# Wine puts a per-machine shortcut in the user's Start menu; Windows in
# the one of all users.
shortcuts() {
    find "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs" \
        "$drive/users"/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs -name '*.lnk' 2>/dev/null || true
}
entry() {
    rm -f "$drive/entry.reg"
    wine reg export "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product" 'C:\entry.reg' \
        /y /reg:64 >/dev/null 2>&1 && iconv -f UTF-16 -t UTF-8 "$drive/entry.reg" | tr -d '\r'
}

status=0
wine msiexec /i "$msi" /qn >/dev/null 2>&1 || status=$?
[ "$status" = 0 ] || fail "silent install: msiexec exit status $status (Windows' code modulo 256)"
installed=$(cd "$drive/Program Files/marvendo" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$(cat "$here/windows-bundle-files.txt")" ] || fail "installed files differ:
$installed"
[ "$(shortcuts | sed 's|.*/||')" = "$name.lnk" ] || fail "Start menu shortcuts: $(shortcuts)"
registered=$(entry) || fail "no Add/Remove Programs entry $product"
for line in "\"DisplayName\"=\"$name\"" '"DisplayVersion"="1.00"' '"Publisher"="marvendo.example.org"' \
    '"NoModify"=dword:00000001' '"NoRepair"=dword:00000001' '"URLInfoAbout"="https://marvendo.example.org"'; do
    echo "$registered" | grep -qxF "$line" || fail "the Add/Remove Programs entry lacks $line:
$registered"
done

show_window 'C:\Program Files\marvendo\marvendo.exe' "$work/stderr"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""

status=0
wine msiexec /x "$msi" /qn >/dev/null 2>&1 || status=$?
[ "$status" = 0 ] || fail "silent uninstall: msiexec exit status $status"
[ ! -e "$drive/Program Files/marvendo" ] || fail "left behind: $(find "$drive/Program Files/marvendo")"
[ -z "$(shortcuts)" ] || fail "shortcuts left behind: $(shortcuts)"
! entry >/dev/null || fail "the Add/Remove Programs entry is left behind"
echo "marvendo-1.00-x64.msi installs, runs and uninstalls silently"
