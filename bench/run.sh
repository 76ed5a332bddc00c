#!/usr/bin/env bash
# The benchmark: builds, runs the driver under the Wine harness and prints one table, then the
# size of each exe and the DLLs it imports, and the sections of the shipped x86 exe.
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
x86=$root/build/x86/bin/Vendrix.exe
size=$(stat -c %s "$x86")
echo
echo "x86 Vendrix.exe: $size bytes, at most 307200: $([ "$size" -le 307200 ] && echo yes || echo NO)"
echo
echo "| x86 section | bytes |"
echo "|---|---:|"
i686-w64-mingw32-objdump -h "$x86" | while read -r idx name hex _; do
    if [[ $idx =~ ^[0-9]+$ ]]; then echo "| $name | $((16#$hex)) |"; fi
done
