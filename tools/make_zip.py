#!/usr/bin/env python3
"""Writes a reproducible zip: entries sorted, fixed time stamps and permissions.

    make_zip.py OUT.zip NAME=PATH ...   (PATH a file or a folder; "gbk-crlf:" before a UTF-8
                                         text file stores it in code page 936 with CR LF)
Non-ASCII names are stored in code page 936 without the UTF-8 flag, as Windows 7's zip folder
on a Chinese system reads them, and again in UTF-8 in an Info-ZIP Unicode Path field.
"""
import os
import struct
import sys
import zipfile
import zlib

FIXED_TIME = (2026, 1, 1, 0, 0, 0)


class Cp936Info(zipfile.ZipInfo):
    # zipfile takes the stored name and flags from here for the local and the central header.
    def _encodeFilenameFlags(self):
        return self.filename.encode("cp936"), self.flag_bits & ~0x800


def unicode_path_field(name):
    raw = name.encode("cp936")
    if raw.isascii():
        return b""
    data = struct.pack("<BI", 1, zlib.crc32(raw)) + name.encode("utf-8")
    return struct.pack("<HH", 0x7075, len(data)) + data


def entries(name, path):
    if os.path.isdir(path):
        for base, dirs, files in os.walk(path):
            dirs.sort()
            for f in sorted(files):
                full = os.path.join(base, f)
                rel = os.path.relpath(full, path).replace(os.sep, "/")
                yield f"{name}/{rel}", full
    else:
        yield name, path


def read(path, convert):
    data = open(path, "rb").read()
    if convert:
        text = data.decode("utf-8").replace("\r\n", "\n").replace("\n", "\r\n")
        data = text.encode("gbk")
    return data


def main():
    out, specs = sys.argv[1], sys.argv[2:]
    items = []
    for spec in specs:
        name, path = spec.split("=", 1)
        convert = path.startswith("gbk-crlf:")
        if convert:
            path = path[len("gbk-crlf:"):]
        items += [(n, p, convert) for n, p in entries(name, path)]
    items.sort(key=lambda item: item[0])
    tmp = out + ".tmp"
    with zipfile.ZipFile(tmp, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for name, path, convert in items:
            info = Cp936Info(name, FIXED_TIME)
            info.extra = unicode_path_field(name)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            info.create_system = 0  # as written on Windows: no Unix owner or mode bits
            z.writestr(info, read(path, convert))
    os.replace(tmp, out)


if __name__ == "__main__":
    main()
