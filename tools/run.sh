#!/usr/bin/env bash
# Builds the program and starts it under Wine: on $DISPLAY when there is one (until you close
# it), otherwise on a private display, where it takes a screenshot and stops by itself.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
# Only the exe it starts: the tests, GoogleTest and the x86 build would make the first run
# several times longer.
VX_BUILD_TARGET=Vendrix "$root/tools/build.sh" x64
out=${VX_BUILD_ROOT:-$root/build}
shot="$out/screenshot.png"
if [ -n "${DISPLAY:-}" ]; then
    exec "$root/tools/wine-harness.sh" "$out/x64" --use-display -- \
        "$root/tools/wine-exec.sh" "$out/x64/bin/Vendrix.exe"
fi
# Wine's virtual desktop draws the window's frame, as in the README's pictures; the picture
# is cut to the window's rectangle.
"$root/tools/wine-harness.sh" "$out/x64" -- bash -c '
    "$VX_WINE_EXEC" explorer /desktop=vendrix,640x480 "$1/x64/bin/Vendrix.exe" &
    for _ in $(seq 1 300); do
        xwininfo -name "Vendrix 1.5.2" >/dev/null 2>&1 && break
        sleep 0.1
    done
    geometry=$(xwininfo -name "Vendrix 1.5.2" 2>/dev/null | awk -F: "
        /Absolute upper-left X/ {x = \$2} /Absolute upper-left Y/ {y = \$2}
        /Width/ {w = \$2} /Height/ {h = \$2}
        END {if (w) printf \"%dx%d+%d+%d\", w, h, x, y}")
    [ -n "$geometry" ] || { echo "run: no window appeared" >&2; exit 1; }
    # Let the first paint finish before taking the picture.
    sleep 1
    import -window root "$2"
    convert "$2" -crop "$geometry" +repage "$2"
' run "$out" "$shot"
echo "screenshot: $shot"
