#!/usr/bin/env bash
# Tells whether this kernel runs 32-bit x86 programs, by running one: a 96-byte static i386 ELF
# (exit(42) through int 0x80, no library). Exits 0 when it ran; otherwise prints why not and
# exits 1. Kernels built with 32-bit emulation can still have it switched off (at boot, or in
# some virtual machines), so only running a program tells.
set -u
probe=$(mktemp)
trap 'rm -f "$probe" "$probe.why"' EXIT
header='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'        # 32-bit, little-endian
header+='\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08'                # executable, i386, entry
header+='\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'                # program headers at 52
header+='\x34\x00\x20\x00\x01\x00\x28\x00\x00\x00\x00\x00'                # one, no sections
segment='\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' # the whole file,
segment+='\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' # read and execute
code='\xbb\x2a\x00\x00\x00\xb8\x01\x00\x00\x00\xcd\x80'                   # ebx=42, eax=1, int 0x80
printf "$header$segment$code" >"$probe"
chmod +x "$probe"
"$probe" 2>"$probe.why" >/dev/null
status=$?
[ "$status" -eq 42 ] && exit 0
why=$(tail -n 1 "$probe.why")
why=${why##*: }
echo "this kernel does not run 32-bit x86 programs (a 32-bit probe: ${why:-exit status $status})"
exit 1
