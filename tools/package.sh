#!/usr/bin/env bash
# Builds the release zips: dist/Vendrix-<version>-x86.zip (the shipped build) and -x64.zip, each
# with Vendrix.exe, the sample oemlist.ini and oemdata/, and 说明.txt. The same commit always
# gives byte-identical zips.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh"
build=${VX_BUILD_ROOT:-$root/build}
dist=${VX_DIST:-$root/dist}
VX_BUILD_TARGET=Vendrix "$root/tools/build.sh" x86 x64
version=$(sed -n 's/^project(Vendrix VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
mkdir -p "$dist"
for arch in x86 x64; do
    python3 "$root/tools/make_zip.py" "$dist/Vendrix-$version-$arch.zip" \
        "Vendrix.exe=$build/$arch/bin/Vendrix.exe" \
        "oemlist.ini=$root/data/oemlist.ini" \
        "oemdata=$root/data/oemdata" \
        "说明.txt=gbk-crlf:$root/packaging/说明.txt"
    echo "$dist/Vendrix-$version-$arch.zip"
done
