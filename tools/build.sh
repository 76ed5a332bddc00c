#!/usr/bin/env bash
# Configures and builds: native (core and its tests), x86 (the shipped exe and its Windows tests),
# x64 (the same for 64-bit Windows).
#   tools/build.sh [native] [x86] [x64]     (all three when none is named)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(native x86 x64)
jobs=$(nproc)
# VX_BUILD_ROOT puts the build folders elsewhere; VX_BUILD_TARGET builds only the targets it
# names (separated by spaces).
out=${VX_BUILD_ROOT:-$root/build}
target_args=()
[ -n "${VX_BUILD_TARGET:-}" ] && read -ra target_args <<<"--target $VX_BUILD_TARGET"
for t in "${targets[@]}"; do
    case "$t" in
        native)
            cmake -S "$root" -B "$out/native" -DCMAKE_BUILD_TYPE=Debug \
                -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
            cmake --build "$out/native" -j "$jobs" "${target_args[@]}" ;;
        x86)
            cmake -S "$root" -B "$out/x86" -DCMAKE_BUILD_TYPE=MinSizeRel \
                -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" >/dev/null
            cmake --build "$out/x86" -j "$jobs" "${target_args[@]}" ;;
        x64)
            cmake -S "$root" -B "$out/x64" -DCMAKE_BUILD_TYPE=MinSizeRel \
                -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
            cmake --build "$out/x64" -j "$jobs" "${target_args[@]}" ;;
        *) echo "build: unknown build $t" >&2; exit 2 ;;
    esac
done
