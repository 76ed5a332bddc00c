#!/usr/bin/env bash
# Makes the README's screenshots: Vendrix under Wine's virtual desktop (so windows have frames),
# driven into each state by vx_shots, saved as PNG in docs/screenshots.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
VX_BUILD_TARGET=vx_shots "$root/tools/build.sh" x64 >/dev/null
out="$root/build/shots"
rm -rf "$out" && mkdir -p "$out" "$root/docs/screenshots"
"$root/tools/wine-harness.sh" "$root/build/x64" -- bash -c '
    "$VX_WINE_EXEC" explorer /desktop=vendrix,800x500 "$1" "$2" &
    # The desktop may outlive the driver: wait for the driver to say it is done.
    for _ in $(seq 1 900); do [ -f "$3/done" ] && exit 0; sleep 0.1; done
    echo "screenshots: the driver did not finish" >&2; exit 1
' shots "$root/build/x64/bin/vx_shots.exe" "Z:${out//\//\\}" "$out"
for f in "$out"/*.bmp; do
    convert "$f" "$root/docs/screenshots/$(basename "${f%.bmp}").png"
    echo "docs/screenshots/$(basename "${f%.bmp}").png"
done
