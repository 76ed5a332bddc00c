#!/usr/bin/env bash
# The release zips: the listed contents, and byte-identical output from a second, clean build
# of the same commit.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
version=$(sed -n 's/^project(Vendrix VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
"$root/tools/package.sh" >/dev/null
failures=0
for arch in x86 x64; do
    zip="$root/dist/Vendrix-$version-$arch.zip"
    python3 - "$zip" <<'PY' || failures=$((failures + 1))
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
names = set(z.namelist())
need = {"Vendrix.exe", "oemlist.ini", "说明.txt"}
brands = z.read("oemlist.ini").decode("gbk").splitlines()
for b in brands:
    need |= {f"oemdata/{b}/oemlogo.bmp", f"oemdata/{b}/oem.reg"}
missing = need - names
assert not missing, f"missing {sorted(missing)}"
note = z.read("说明.txt").decode("gbk")
assert "管理员" in note and "oemlist.ini" in note and "120 x 120" in note, "说明.txt content"
print(f"ok   {sys.argv[1].rsplit('/', 1)[1]}: {len(names)} entries, {len(brands)} brands")
PY
done
# A clean second build in other folders must give the same bytes.
second=$(mktemp -d)
trap 'rm -rf "$second"' EXIT
VX_BUILD_ROOT="$second/build" VX_DIST="$second/dist" "$root/tools/package.sh" >/dev/null
for arch in x86 x64; do
    name="Vendrix-$version-$arch.zip"
    if cmp -s "$root/dist/$name" "$second/dist/$name"; then
        echo "ok   $name: a second clean build gives the same bytes"
    else
        echo "FAIL $name: a second clean build differs"; failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] || exit 1
