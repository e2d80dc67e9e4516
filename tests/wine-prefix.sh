#!/bin/sh
# Creates the wine prefix the Windows test programs run in: a fresh one,
# never a home folder's, with Times New Roman standing for Liberation
# Serif, whose metrics it shares, as on the Linux side.
# usage: wine-prefix.sh PREFIX
set -eu
export WINEPREFIX="$1"
export WINEDEBUG=-all
# No Mono or Gecko installer (nothing is downloaded), no menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

if [ -f "$WINEPREFIX/.marvendo-ready" ]; then
    exit 0
fi
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
    /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif' /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.marvendo-ready"
echo "wine prefix ready: $WINEPREFIX"
