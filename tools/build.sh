#!/usr/bin/env bash
# Configures and builds: native (core and its tests), x86 (the shipped exe), x64 (runs under Wine).
#   tools/build.sh [native] [x86] [x64]     (all three when none is named)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(native x86 x64)
jobs=$(nproc)
for t in "${targets[@]}"; do
    case "$t" in
        native)
            cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug \
                -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
            cmake --build "$root/build/native" -j "$jobs" ;;
        x86)
            cmake -S "$root" -B "$root/build/x86" -DCMAKE_BUILD_TYPE=MinSizeRel \
                -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" >/dev/null
            cmake --build "$root/build/x86" -j "$jobs" --target Vendrix ;;
        x64)
            cmake -S "$root" -B "$root/build/x64" -DCMAKE_BUILD_TYPE=MinSizeRel \
                -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
            cmake --build "$root/build/x64" -j "$jobs" ;;
        *) echo "build: unknown build $t" >&2; exit 2 ;;
    esac
done
