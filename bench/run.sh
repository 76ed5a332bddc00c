#!/usr/bin/env bash
# The benchmark: builds, runs the driver under the Wine harness and prints one table (with the
# x86 exe's rows where this kernel runs 32-bit code), then the size of each exe and the DLLs it
# imports, and the sections of the shipped x86 exe.
#   bench/run.sh [RUNS]      (default 7)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-7}
"$root/tools/deps.sh"
VX_BUILD_TARGET="Vendrix vx_empty_window" "$root/tools/build.sh" x86 >/dev/null
VX_BUILD_TARGET=vx_bench "$root/tools/build.sh" x64 >/dev/null
# The commands the program and the driver start print cmd's messages in code page 936 (such
# as "文件已存在。" for an md of an existing folder) straight to a terminal the run is attached to:
# the run gets none, its error output goes to a log decoded to UTF-8, and only the driver's own
# lines reach the screen.
raw="$root/build/bench-messages.raw"
log="$root/build/bench-messages.log"
status=0
"$root/tools/wine-harness.sh" "$root/build/x64" -- \
    "$root/tools/wine-exec.sh" "$root/build/x64/bin/vx_bench.exe" "$runs" \
    </dev/null 2>"$raw" | tr -d '\r' || status=$?
iconv -f GBK -t UTF-8 -c "$raw" >"$log" && rm -f "$raw"
if [ "$status" -ne 0 ]; then
    echo "bench: the driver failed ($status); its and the commands' messages:" >&2
    tail -n 20 "$log" >&2
    exit "$status"
fi
[ -s "$log" ] && echo "(the commands' own messages, decoded: $log)"
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
