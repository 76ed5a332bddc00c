#!/usr/bin/env bash
# Checks the size of the tests, builds everything and runs every test: the native unit and fuzz
# tests, the inspection of the shipped x86 exe and its release zips, the run command without a
# display, and under Wine three passes of the Win32-layer and end-to-end tests, each in its own
# prefix: the x64 exe (with the benchmark smoke and the x64 exe's inspection), the x86 exe in a
# 64-bit prefix (a 32-bit program on 64-bit Windows) and in a 32-bit prefix (32-bit Windows).
# The x86 passes need a kernel that runs 32-bit code and Wine's 32-bit side; without them they
# are skipped, saying why, and everything else runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
echo "== test code against program code"
"$root/tools/test-ratio.sh"
"$root/tools/deps.sh"
"$root/tools/build.sh" native x86 x64

echo "== native unit tests"
ctest --test-dir "$root/build/native" --output-on-failure
echo "== shipped x86 exe"
# Its inspection alone, natively: listing the Windows tests would need Wine.
ctest --test-dir "$root/build/x86/tests/inspect" --output-on-failure -L inspect
echo "== the run command without a display: stops by itself and leaves a screenshot"
rm -f "$root/build/screenshot.png"
shot=$(env -u DISPLAY "$root/tools/run.sh" | sed -n 's/^screenshot: //p')
[ -n "$shot" ] && [ "$(head -c 8 "$shot" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] \
    || { echo "run command: no PNG screenshot" >&2; exit 1; }
echo "screenshot ok: $shot"

x86_skipped=""
if ! x86_skipped=$("$root/tools/runs-32bit.sh"); then :
elif [ ! -x /usr/lib/wine/wine ]; then x86_skipped="Wine's 32-bit side (wine32:i386) is not installed"
fi
failed=()
times=()
wine_pass() {  # wine_pass NAME BUILD WINEARCH [CTEST ARGS...]
    local name=$1 build=$2 arch=$3 start=$SECONDS
    shift 3
    echo "== $name under Wine"
    VX_WINEARCH=$arch "$root/tools/wine-harness.sh" "$root/build/$build" -- \
        ctest --test-dir "$root/build/$build" --output-on-failure "$@" ${VX_CTEST_ARGS:-} ||
        failed+=("$name")
    times+=("$name: $((SECONDS - start)) s")
}
wine_pass "x64 exe, 64-bit prefix" x64 win64
if [ -z "$x86_skipped" ]; then
    wine_pass "x86 exe, 64-bit prefix (WoW64)" x86 win64 -LE inspect
    wine_pass "x86 exe, 32-bit prefix" x86 win32 -LE inspect
else
    echo "== x86 exe under Wine: skipped, $x86_skipped"
fi
printf '%s\n' "${times[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    printf 'failed under Wine: %s\n' "${failed[@]}" >&2
    exit 1
fi
