#!/usr/bin/env bash
# The release zips: the listed contents, names in code page 936 with their Unicode Path fields,
# and byte-identical output from a second, clean build of the same commit.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
version=$(sed -n 's/^project(Vendrix VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
"$root/tools/package.sh" >/dev/null
failures=0
for arch in x86 x64; do
    zip="$root/dist/Vendrix-$version-$arch.zip"
    python3 - "$zip" <<'PY' || failures=$((failures + 1))
import os, struct, subprocess, sys, zipfile, zlib
# Names without the UTF-8 flag are read in code page 936, as Windows 7's zip folder reads them.
z = zipfile.ZipFile(sys.argv[1], metadata_encoding="cp936")
raw = open(sys.argv[1], "rb").read()
def unicode_path(extra):  # the Info-ZIP Unicode Path field: version, name CRC, UTF-8 name
    while extra:
        tag, size = struct.unpack_from("<HH", extra)
        if tag == 0x7075:
            return extra[4], struct.unpack_from("<I", extra, 5)[0], extra[9:4 + size].decode()
        extra = extra[4 + size:]
for i in z.infolist():
    assert not i.flag_bits & 0x800, f"{i.filename}: UTF-8 flag set"
    if not i.filename.isascii():
        n, e = struct.unpack_from("<HH", raw, i.header_offset + 26)
        local = raw[i.header_offset + 30 + n:i.header_offset + 30 + n + e]
        want = (1, zlib.crc32(i.filename.encode("cp936")), i.filename)
        assert unicode_path(i.extra) == unicode_path(local) == want, f"{i.filename}: 0x7075"
names = set(z.namelist())
unzip = subprocess.run(["unzip", "-Z1", sys.argv[1]], capture_output=True, check=True,
                       env=dict(os.environ, LC_ALL="C.UTF-8")).stdout.decode().splitlines()
assert set(unzip) == names, f"unzip lists {sorted(set(unzip) ^ names)}"
need = {"Vendrix.exe", "oemlist.ini", "说明.txt"}
brands = z.read("oemlist.ini").decode("gbk").splitlines()
for b in brands:
    need |= {f"oemdata/{b}/oemlogo.bmp", f"oemdata/{b}/oem.reg"}
missing = need - names
assert not missing, f"missing {sorted(missing)}"
# Logo is the REG_EXPAND_SZ the program writes: found wherever Windows is installed.
for b in brands:
    reg = z.read(f"oemdata/{b}/oem.reg").decode("utf-16").replace("\\\r\n  ", "")
    logo = reg.split('\r\n"Logo"=hex(2):')[1].split("\r\n")[0].replace(",", "")
    assert bytes.fromhex(logo).decode("utf-16-le") == "%windir%\\system32\\oem\\oemlogo.bmp\0", b
note = z.read("说明.txt").decode("gbk")
assert "管理员" in note and "oemlist.ini" in note and "120 x 120" in note, "说明.txt content"
assert all(f"Windows {v}" in note for v in ("7", "8.1", "10", "11")), "说明.txt: Windows versions"
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
