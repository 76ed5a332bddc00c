#!/usr/bin/env bash
# Checks the size of the tests, builds everything and runs every test: the native unit and fuzz
# tests, the inspection of the shipped x86 exe and its release zips, the run command without a
# display, and under Wine the Win32-layer, end-to-end and benchmark-smoke tests and the
# inspection of the x64 exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
echo "== test code against program code"
"$root/tools/test-ratio.sh"
"$root/tools/deps.sh"
"$root/tools/build.sh" native x86 x64

echo "== native unit tests"
ctest --test-dir "$root/build/native" --output-on-failure
echo "== shipped x86 exe"
ctest --test-dir "$root/build/x86" --output-on-failure -L inspect
echo "== the run command without a display: stops by itself and leaves a screenshot"
rm -f "$root/build/screenshot.png"
shot=$(env -u DISPLAY "$root/tools/run.sh" | sed -n 's/^screenshot: //p')
[ -n "$shot" ] && [ "$(head -c 8 "$shot" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] \
    || { echo "run command: no PNG screenshot" >&2; exit 1; }
echo "screenshot ok: $shot"
echo "== x64 exe under Wine"
"$root/tools/wine-harness.sh" "$root/build/x64" -- \
    ctest --test-dir "$root/build/x64" --output-on-failure ${VX_CTEST_ARGS:-}
