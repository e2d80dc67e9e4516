#!/bin/sh
# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Records Bulgarian's code page (1251) in a package wixl made with
# WINDOWS_LANGUAGE=bg, so that Windows reads its Cyrillic texts, and makes
# the summary's language Bulgarian too. wixl writes the tables' texts in
# that code page but marks the database as neutral, and names English in
# the summary. Checks that no text of any table changed and that the
# product and its shortcut carry the name; the package is replaced only
# when all is well.
# usage: msi-codepage.sh PACKAGE.msi NAME
set -eu
msi=$1
name=$2
export WINDOWS_LANGUAGE=bg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "msi-codepage: $*" >&2; exit 1; }
cp "$msi" "$work/package.msi"

tables() {
    mkdir -p "$2"
    for table in $(msiinfo tables "$1"); do
        case $table in _SummaryInformation | _ForceCodepage) continue ;; esac
        msiinfo export "$1" "$table" | tr -d '\r' >"$2/$table.idt"
    done
}
tables "$work/package.msi" "$work/before"

printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
language=$(awk -F '\t' 'NR > 3 && $1 == "ProductLanguage" { print $2 }' "$work/before/Property.idt")
msiinfo export "$work/package.msi" _SummaryInformation | tr -d '\r' \
    | awk -F '\t' -v OFS='\t' -v l="$language" 'NR > 3 && $1 == 7 { sub(/;.*/, ";" l, $2) } { print }' \
    >"$work/_SummaryInformation.idt"
msibuild "$work/package.msi" -i "$work/_ForceCodepage.idt" "$work/_SummaryInformation.idt"

tables "$work/package.msi" "$work/after"
diff -r "$work/before" "$work/after" >&2 || fail "a table's text changed"
grep -qxF "ProductName	$name" "$work/after/Property.idt" || fail "the product is not named $name"
awk -F '\t' -v n="$name" 'NR > 3 && $1 == "StartMenuShortcut" && $3 ~ ("\\|" n "$") { ok = 1 } END { exit !ok }' \
    "$work/after/Shortcut.idt" || fail "the shortcut is not named $name"
mv -f "$work/package.msi" "$msi"
