# Sourced by the Windows package checks: starts a marvendo.exe under wine
# in the current WINEPREFIX and checks the window it shows: the caption and
# the 477x350 client area. Sets $window and $pid; fail() is the caller's.
# usage: show_window 'C:\path\marvendo.exe' STDERR_FILE
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
