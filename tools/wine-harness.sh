#!/usr/bin/env bash
# Runs a command with a private Wine: a prefix inside the build tree (never ~/.wine), code
# page 936, a private Xvfb display unless --use-display is given and $DISPLAY is set, and one
# persistent wineserver for the whole command. Everything it started is ended on exit.
# VX_WINEARCH=win32 gives a 32-bit Windows (its own prefix, where only 32-bit programs run);
# the default is a 64-bit one, where 32-bit programs run as on 64-bit Windows when this kernel
# runs 32-bit code and Wine's 32-bit side is installed.
#
#   tools/wine-harness.sh BUILD_DIR [--use-display] [--] COMMAND [ARGS...]
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 BUILD_DIR [--use-display] [--] COMMAND [ARGS...]" >&2
    exit 2
fi
mkdir -p "$1"
build_dir=$(cd "$1" && pwd)
shift
use_display=0
if [ "${1:-}" = "--use-display" ]; then use_display=1; shift; fi
if [ "${1:-}" = "--" ]; then shift; fi

export WINEARCH=${VX_WINEARCH:-win64}
export WINEPREFIX="$build_dir/wineprefix"
[ "$WINEARCH" = win64 ] || WINEPREFIX+="-$WINEARCH"
tools_dir=$(cd "$(dirname "$0")" && pwd)
# /usr/bin/wine takes Wine's 32-bit loader whenever it is installed; where this kernel cannot
# run it, the 64-bit loader runs the 64-bit programs alone. VX_RUNS_32BIT tells the programs
# run here (the benchmark) whether 32-bit programs run beside them.
export VX_WINE=wine VX_RUNS_32BIT=1
if ! why=$("$tools_dir/runs-32bit.sh"); then
    VX_RUNS_32BIT=""
    VX_WINE=/usr/lib/wine/wine64
    export WINELOADER=$VX_WINE
elif [ ! -x /usr/lib/wine/wine ]; then
    VX_RUNS_32BIT="" why="Wine's 32-bit side (wine32:i386) is not installed"
fi
[ "$WINEARCH" = win64 ] || [ -n "$VX_RUNS_32BIT" ] ||
    { echo "wine-harness: no $WINEARCH prefix: $why" >&2; exit 1; }
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
export VX_WINE_HARNESS=1

xvfb_pid=""
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ "$use_display" = 0 ] || [ -z "${DISPLAY:-}" ]; then
    number_file=$(mktemp)
    # -displayfd picks a free display and reports it once the server is ready.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 1 200); do
        [ -s "$number_file" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || { echo "wine-harness: Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
    [ -s "$number_file" ] || { echo "wine-harness: Xvfb gave no display" >&2; exit 1; }
    export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
    rm -f "$number_file"
fi

# Wine takes the ANSI code page (936) from the locale's name, but decodes Linux file names
# with the locale's character set: unless the locale exists, every non-ASCII file name (a
# brand folder such as oemdata\青松电脑) is garbled. It is compiled into the build tree, not
# installed for the whole machine.
export VX_LOCPATH="$build_dir/locale"
if [ ! -f "$VX_LOCPATH/zh_CN.UTF-8/LC_CTYPE" ]; then
    mkdir -p "$VX_LOCPATH"
    localedef -i zh_CN -f UTF-8 "$VX_LOCPATH/zh_CN.UTF-8" >/dev/null 2>&1 ||
        { echo "wine-harness: cannot compile the zh_CN.UTF-8 locale" >&2; exit 1; }
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-harness: creating prefix $WINEPREFIX"
    LOCPATH="$VX_LOCPATH" LC_ALL=zh_CN.UTF-8 "$VX_WINE" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || { echo "wine-harness: prefix creation failed" >&2; exit 1; }
fi
# A 64-bit prefix made before Wine's 32-bit side was installed has an empty SysWOW64.
if [ "$WINEARCH" = win64 ] && [ "$VX_WINE" = wine ] && [ -x /usr/lib/wine/wine ] &&
    [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    echo "wine-harness: adding the 32-bit side to $WINEPREFIX"
    LOCPATH="$VX_LOCPATH" LC_ALL=zh_CN.UTF-8 wine wineboot -u >/dev/null 2>&1 || true
    wineserver -w
fi
# Wine draws title-bar buttons with Marlett (from fonts-wine). Debian's Wine looks for its own
# fonts beside /usr/share/wine/fonts, not in it; the prefix's Fonts folder is always searched.
marlett=/usr/share/wine/fonts/marlett.ttf
fonts_dir="$WINEPREFIX/drive_c/windows/Fonts"
if [ -f "$marlett" ] && [ ! -f "$fonts_dir/marlett.ttf" ]; then cp "$marlett" "$fonts_dir/"; fi
# A second drive, T:, a folder of the build tree: the tests put a Windows that is not running
# there, since the running one's own drive is refused as a target.
mkdir -p "$build_dir/drive-t"
ln -sfn "$build_dir/drive-t" "$WINEPREFIX/dosdevices/t:"
wineserver -p
export VX_WINE_EXEC="$tools_dir/wine-exec.sh"
# Start Wine's own background processes now, detached from the command's output: started
# later, they would hold its pipes open (and CTest would wait on them).
"$VX_WINE_EXEC" cmd /c ver </dev/null >/dev/null 2>&1 || true
"$@"
