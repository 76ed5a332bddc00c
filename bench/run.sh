#!/usr/bin/env bash
# The benchmark: builds, runs the driver under the Wine harness and prints one table, then the
# size of each exe and the DLLs it imports.
#   bench/run.sh [RUNS]      (default 7)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-7}
"$root/tools/deps.sh"
VX_BUILD_TARGET=vx_bench "$root/tools/build.sh" x86 x64 >/dev/null
"$root/tools/wine-harness.sh" "$root/build/x64" -- \
    "$root/tools/wine-exec.sh" "$root/build/x64/bin/vx_bench.exe" "$runs"
echo
echo "| exe | size | imports |"
echo "|---|---:|---|"
for arch in x86 x64; do
    exe="$root/build/$arch/bin/Vendrix.exe"
    case $arch in x86) objdump=i686-w64-mingw32-objdump ;; *) objdump=x86_64-w64-mingw32-objdump ;; esac
    imports=$($objdump -p "$exe" | awk '/DLL Name:/ {print $3}' | sort -f | paste -sd' ')
    echo "| $arch Vendrix.exe | $(stat -c %s "$exe") bytes | $imports |"
done
