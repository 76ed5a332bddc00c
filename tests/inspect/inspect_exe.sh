#!/usr/bin/env bash
# What Windows sees of a built Vendrix.exe and Wine forgives: machine, subsystem, imports, the
# manifest's elevation and Common-Controls 6, icon and version block.
#   inspect_exe.sh EXE PROCESSOR SOURCE_DIR
set -uo pipefail
exe=$1 failures=0
check() {  # check DESCRIPTION COMMAND...
    if "${@:2}" >/dev/null 2>&1; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}
[ "$2" = x86 ] && objdump=i686-w64-mingw32-objdump format=pei-i386 ||
    objdump=x86_64-w64-mingw32-objdump format=pei-x86-64
headers=$($objdump -p "$exe")
check "machine is $format" grep -q "file format $format" <<<"$headers"
check "GUI subsystem" grep -Eq "^Subsystem[[:space:]]+0+2[[:space:]]" <<<"$headers"
[ "$2" != x86 ] || check "at most 307200 bytes" test "$(stat -c %s "$exe")" -le 307200
# Windows' own DLLs that the first window needs (comctl32 through the manifest) and no other:
# a clean Windows 7 has no C++ runtime DLL, and an imported DLL loads before the program can
# limit where DLLs are searched.
bad=$(grep "DLL Name:" <<<"$headers" | awk '{print tolower($3)}' |
    grep -Ev '^(kernel32|user32|gdi32|advapi32|comctl32|msvcrt)\.dll$')
check "imports start's system DLLs only${bad:+ (not: $bad)}" test -z "$bad"
manifest=$(wrestool -x --raw --type=24 --name=1 "$exe" 2>/dev/null)
check "manifest: requireAdministrator" grep -q 'level="requireAdministrator"' <<<"$manifest"
check "manifest: Common-Controls 6" grep -q 'Common-Controls" version="6.0.0.0"' <<<"$manifest"
resources=$(wrestool -l "$exe")
check "icon group 1" grep -q -- "--type=14 --name=1 " <<<"$resources"
# Windows refuses to start an exe whose manifest names another processor than its PE header.
case "$format" in pei-i386) arch=x86 ;; *) arch=amd64 ;; esac
check "manifest: $arch for the exe and Common Controls, dpiAware, Windows 7" \
    python3 - "$arch" <<PY
import sys, xml.etree.ElementTree as ET
root = ET.fromstring("""$(sed 's/^\xef\xbb\xbf//' <<<"$manifest")""")
ids = root.iter("{urn:schemas-microsoft-com:asm.v1}assemblyIdentity")
assert [i.get("processorArchitecture").lower() for i in ids] == [sys.argv[1]] * 2
dpi = root.iter("{http://schemas.microsoft.com/SMI/2005/WindowsSettings}dpiAware")
assert [d.text for d in dpi] == ["true"]
supported = root.iter("{urn:schemas-microsoft-com:compatibility.v1}supportedOS")
assert "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}" in [s.get("Id") for s in supported]
PY
# The tests' seams are read by a build for them alone, never by this one (VENDRIX_TEST_*).
check "no test seam read" bash -c "! LC_ALL=C grep -qaP 'V\\x00E\\x00N\\x00D\\x00R\\x00I\\x00X\\x00_\\x00T\\x00E\\x00S\\x00T|VENDRIX_TEST' '$exe'"
check "version block, Chinese (PRC)" grep -q -- "--type=16 --name=1 --language=2052" <<<"$resources"
[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
