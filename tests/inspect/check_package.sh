#!/usr/bin/env bash
# The release zips: every listed brand's files, the note, and byte-identical output from a
# second, clean build of the same commit.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
version=$(sed -n 's/^project(Vendrix VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
"$root/tools/package.sh" >/dev/null
second=$(mktemp -d)
trap 'rm -rf "$second"' EXIT
VX_BUILD_ROOT="$second/build" VX_DIST="$second/dist" "$root/tools/package.sh" >/dev/null
for arch in x86 x64; do
    zip="Vendrix-$version-$arch.zip"
    python3 - "$root/dist/$zip" <<'PY'
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
need = {"Vendrix.exe", "oemlist.ini", "说明.txt"}
for b in z.read("oemlist.ini").decode("gbk").splitlines():
    need |= {f"oemdata/{b}/oemlogo.bmp", f"oemdata/{b}/oem.reg"}
assert need <= set(z.namelist()), f"missing {sorted(need - set(z.namelist()))}"
assert "管理员" in z.read("说明.txt").decode("gbk"), "说明.txt does not say to run it as administrator"
PY
    cmp "$root/dist/$zip" "$second/dist/$zip" || { echo "FAIL $zip: a second clean build differs"; exit 1; }
    echo "ok   $zip"
done
