#!/bin/sh
# Makes the Wine prefix that the Windows programs and tests run in, once:
#   tools/wine-prefix.sh PREFIX
# Windows are made by Wine's null graphics driver: they exist, answer messages and paint
# into memory with no X server, so the window's tests run anywhere and quickly. Wine finds
# its fonts (Liberation Sans stands in for MS Sans Serif) when the prefix is made.
set -eu
export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    wineboot --init >/dev/null 2>&1
fi
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wineserver --wait
