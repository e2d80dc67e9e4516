#!/bin/sh
# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Creates the wine prefix the Windows test programs run in: a fresh one,
# never a home folder's, with Times New Roman standing for Liberation
# Serif, whose metrics it shares, as on the Linux side. Its windows are not
# left to a window manager: there is none on the test display, and wine
# would wait two seconds for one each time a window closes.
# usage: wine-prefix.sh PREFIX
set -eu
export WINEPREFIX="$1"
export WINEDEBUG=-all
# No Mono or Gecko installer (nothing is downloaded), no menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

if [ -f "$WINEPREFIX/.marvendo-ready-2" ]; then
    exit 0
fi
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
    /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif' /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.marvendo-ready-2"
echo "wine prefix ready: $WINEPREFIX"
