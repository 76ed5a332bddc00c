#!/usr/bin/env bash
# Builds everything and runs every test: the native unit and fuzz tests, the inspection of the
# shipped x86 exe, and under Wine the Win32-layer and end-to-end tests of the x64 exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
"$root/tools/build.sh" native x86 x64

echo "== native unit and fuzz tests"
ctest --test-dir "$root/build/native" --output-on-failure
echo "== shipped x86 exe"
ctest --test-dir "$root/build/x86" --output-on-failure -L inspect
echo "== x64 exe under Wine"
"$root/tools/wine-harness.sh" "$root/build/x64" -- \
    ctest --test-dir "$root/build/x64" --output-on-failure ${VX_CTEST_ARGS:-}
