#!/usr/bin/env bash
# Checks a built Vendrix.exe as Windows sees it: machine, subsystem, imported DLLs and resources.
#   inspect_exe.sh EXE PROCESSOR SOURCE_DIR
set -uo pipefail
exe=$1 processor=$2
failures=0
check() {  # check DESCRIPTION COMMAND...
    if "${@:2}" >/dev/null 2>&1; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}
case "$processor" in
    x86) objdump=i686-w64-mingw32-objdump; format=pei-i386 ;;
    *) objdump=x86_64-w64-mingw32-objdump; format=pei-x86-64 ;;
esac
headers=$($objdump -p "$exe")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check "machine is $format" grep -q "file format $format" <<<"$headers"
check "GUI subsystem" grep -Eq "^Subsystem[[:space:]]+0+2[[:space:]]" <<<"$headers"
[ "$processor" != x86 ] || check "at most 307200 bytes" test "$(stat -c %s "$exe")" -le 307200

# Windows 7's own DLLs only: the C++ runtime and winpthread must be linked in.
allowed='^(kernel32|user32|gdi32|advapi32|comctl32|comdlg32|shell32|msvcrt|ole32|oleaut32)\.dll$'
imports=$(grep -E "DLL Name:" <<<"$headers" | awk '{print tolower($3)}')
echo "imports: $(tr '\n' ' ' <<<"$imports")"
check "imports kernel32" grep -qx kernel32.dll <<<"$imports"
check "imports user32" grep -qx user32.dll <<<"$imports"
bad=$(grep -Ev "$allowed" <<<"$imports" || true)
check "imports nothing but Windows DLLs${bad:+ (not: $bad)}" test -z "$bad"

resources=$(wrestool -l "$exe")
check "icon group 1" grep -q -- "--type=14 --name=1 " <<<"$resources"
check "icon image 30001" grep -q -- "--type=3 --name=30001 " <<<"$resources"
wrestool -x --raw --type=14 --name=1 "$exe" >"$work/group" 2>/dev/null
# The group names image 30001 (last two bytes of its one entry), 32 x 32 at 24 bits.
check "icon group names image 30001, 32x32x24" python3 -c '
import struct,sys
d=open(sys.argv[1],"rb").read()
r,t,n=struct.unpack_from("<HHH",d)
w,h,c,_,p,bits,size,ident=struct.unpack_from("<BBBBHHIH",d,6)
sys.exit(0 if (t,n,w,h,bits,ident)==(1,1,32,32,24,30001) else 1)' "$work/group"

check "manifest 1, language 0x0409" grep -q -- "--type=24 --name=1 --language=1033" <<<"$resources"
wrestool -x --raw --type=24 --name=1 "$exe" >"$work/manifest" 2>/dev/null
check "manifest starts with a UTF-8 byte-order mark" bash -c \
    '[ "$(head -c3 "$1" | od -An -tx1 | tr -d " ")" = efbbbf ]' _ "$work/manifest"
check "manifest: Common-Controls 6.0.0.0" grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' "$work/manifest"
check "manifest: publicKeyToken" grep -q 'publicKeyToken="6595b64144ccf1df"' "$work/manifest"
check "manifest: requireAdministrator" grep -q 'level="requireAdministrator" uiAccess="false"' "$work/manifest"

check "version block 1, language 0x0804" grep -q -- "--type=16 --name=1 --language=2052" <<<"$resources"
wrestool -x --raw --type=16 --name=1 "$exe" >"$work/version" 2>/dev/null
check "version 1.5.0.2, strings and translation" python3 - "$work/version" <<'PY'
import struct, sys
d = open(sys.argv[1], "rb").read()
i = d.find(struct.pack("<I", 0xFEEF04BD))
sig, sv, fvms, fvls, pvms, pvls, mask, flags, os_, ftype, sub = struct.unpack_from("<11I", d, i)
assert (fvms, fvls, pvms, pvls) == (0x00010005, 0x00000002, 0x00010005, 0x00000002), "version"
assert (mask, flags, os_, ftype, sub) == (0, 0, 4, 1, 0), "flags, os, type"
text = d.decode("utf-16-le", "replace")
for key, value in [("ProductName", "Vendrix"), ("OriginalFilename", "Vendrix.exe"),
                   ("InternalName", "Vendrix"), ("FileVersion", "1.05.0002"),
                   ("ProductVersion", "1.05.0002"),
                   ("FileDescription", "修改Windows7OEM信息的小工具")]:
    j = text.find(key + "\0")
    assert j >= 0, key
    assert value + "\0" in text[j:j + len(key) + 8 + len(value) * 2], key
assert "080404B0\0" in text, "string table 080404B0"
assert struct.pack("<HH", 0x0804, 1200) in d, "translation"
PY

for id in 101 102 103; do
    check "picture bitmap $id" grep -q -- "--type=2 --name=$id " <<<"$resources"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
