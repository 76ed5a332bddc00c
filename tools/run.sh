#!/usr/bin/env bash
# Builds the program and starts it under Wine: on $DISPLAY when there is one (until you close
# it), otherwise on a private display, where it takes a screenshot and stops by itself.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
"$root/tools/build.sh" x86 x64
shot="$root/build/screenshot.png"
if [ -n "${DISPLAY:-}" ]; then
    exec "$root/tools/wine-harness.sh" "$root/build/x64" --use-display -- \
        "$root/tools/wine-exec.sh" "$root/build/x64/bin/Vendrix.exe"
fi
"$root/tools/wine-harness.sh" "$root/build/x64" -- bash -c '
    "$VX_WINE_EXEC" "$1/build/x64/bin/Vendrix.exe" &
    for _ in $(seq 1 300); do
        xwininfo -root -tree 2>/dev/null | grep -q "Vendrix 1.5.2" && break
        sleep 0.1
    done
    xwininfo -root -tree | grep -q "Vendrix 1.5.2" || { echo "run: no window appeared" >&2; exit 1; }
    # Let the first paint finish before taking the picture.
    sleep 1
    import -window root "$2"
' run "$root" "$shot"
echo "screenshot: $shot"
