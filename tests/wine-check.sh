# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Windows package checks: a work folder that is removed at
# the end with whatever ran in its wine prefix, fail(), and show_window,
# which starts a marvendo.exe under wine in the current WINEPREFIX and
# checks the window it shows: the caption and the 477x350 client area.
# The window's caption is Cyrillic: the X tools must read it as UTF-8,
# whatever locale the caller has.
export LC_ALL=C.UTF-8
work=$(mktemp -d)
pid=""
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# usage: show_window 'C:\path\marvendo.exe' STDERR_FILE; sets $window and $pid
show_window() {
    wine "$1" >/dev/null 2>"$2" &
    pid=$!
    caption="marvendo.bg   ЗИФ - американски щати"
    # A window found may vanish before it is read (wine replaces windows
    # while a program starts): then look again.
    looks=0
    while :; do
        window=$("$here/../scripts/wait-window" "^$caption\$") || { cat "$2" >&2; fail "no window titled \"$caption\" appeared"; }
        if name=$(xprop -id "$window" -notype _NET_WM_NAME 2>/dev/null) && geometry=$(xwininfo -id "$window" 2>/dev/null); then
            break
        fi
        looks=$((looks + 1))
        [ "$looks" -lt 100 ] || fail "window $window vanished each time it was read"
    done
    name=$(echo "$name" | sed 's/^[^"]*"//; s/"$//')
    [ "$name" = "$caption" ] || fail "caption: $name"
    size=$(echo "$geometry" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
    [ "$size" = 477x350 ] || fail "client area $size, not 477x350"
}
