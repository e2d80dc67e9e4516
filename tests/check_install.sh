#!/bin/sh
# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix, checks every file is where a
# desktop expects it, and runs the desktop entry and AppStream validators.
# usage: check_install.sh BUILD_DIR APP_ID
set -eu
build=$1
app=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }

expected=$(cat "$(dirname "$0")/installed-files.txt")
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
$actual"

[ -x "$prefix/bin/marvendo" ] || fail "bin/marvendo is not executable"
file "$prefix/share/icons/hicolor/32x32/apps/$app.png" | grep -q "32 x 32" \
    || fail "the 32x32 icon is not 32 by 32"
grep -qx "Icon=$app" "$prefix/share/applications/$app.desktop" || fail "desktop entry names another icon"
grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$prefix/share/metainfo/$app.metainfo.xml" \
    || fail "metainfo launches another desktop entry"

if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$prefix/share/applications/$app.desktop" 2>&1) || fail "$out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
else
    echo "desktop-file-validate not installed: desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
    out=$(appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$app.metainfo.xml" 2>&1) || fail "$out"
    # Pedantic hints may stay: this appstream takes a Cyrillic capital
    # for a small letter (*-first-word-not-capitalized).
    if echo "$out" | grep -Eq '^[EW]:'; then fail "appstreamcli: $out"; fi
else
    echo "appstreamcli not installed: metainfo not validated"
fi
echo "installed files and metadata are in order"
