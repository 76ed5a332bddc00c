#!/bin/sh
# Runs one Windows program inside the Wine set up by tools/wine-harness.sh (CTest's emulator).
if [ -z "${VX_WINE_HARNESS:-}" ] || [ -z "${WINEPREFIX:-}" ]; then
    echo "wine-exec: run this through tools/wine-harness.sh, which sets up a private prefix" >&2
    exit 2
fi
# Code page 936 inside Wine, with UTF-8 Linux file names (the harness compiles the locale).
if [ -n "${VX_LOCPATH:-}" ]; then export LOCPATH="$VX_LOCPATH"; fi
LC_ALL=zh_CN.UTF-8 exec "${VX_WINE:-wine}" "$@"
