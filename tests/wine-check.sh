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
    caption="marvendo.example.org   ЗИФ - американски щати"
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^$caption\$" | head -n 1) || true
    [ -n "$window" ] || { cat "$2" >&2; fail "no window titled \"$caption\" appeared"; }
    name=$(xprop -id "$window" -notype _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')
    [ "$name" = "$caption" ] || fail "caption: $name"
    size=$(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
    [ "$size" = 477x350 ] || fail "client area $size, not 477x350"
}
