#!/usr/bin/env python3
"""Prints what a Windows program's resources say, for the installer's check:
  pe_resources.py FILE.exe version    its version strings, one KEY=VALUE a line
  pe_resources.py FILE.exe manifest   its manifest
  pe_resources.py FILE.exe icon       a digest of its icon's pictures
  pe_resources.py FILE.ico icon       the same digest of an icon file's
Needs nothing beyond Python: the build machine need not have pefile.
"""
import hashlib
import struct
import sys

RT_ICON, RT_VERSION, RT_MANIFEST = 3, 16, 24


def resources(data):
    """{type: [data of each resource of that type, by id]}."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    # The resource table is data directory 2; PE32+ has 16 more header bytes.
    directories = optional + (112 if struct.unpack_from("<H", data, optional)[0] == 0x20B else 96)
    rva = struct.unpack_from("<I", data, directories + 16)[0]
    spans = []
    for i in range(sections):
        size, address, _, raw = struct.unpack_from("<IIII", data, optional + optional_size + 40 * i + 8)
        spans.append((address, size, raw))

    def at(address):
        for start, size, raw in spans:
            if start <= address < start + size:
                return raw + address - start
        raise SystemExit("address outside every section")

    base = at(rva)

    def entries(table):
        named, ids = struct.unpack_from("<HH", data, base + table + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", data, base + table + 16 + 8 * i)
            yield name, target

    found = {}
    for kind, types in entries(0):
        for _, names in sorted(entries(types & 0x7FFFFFFF)):
            for _, leaf in entries(names & 0x7FFFFFFF):
                address, size = struct.unpack_from("<II", data, base + leaf)
                found.setdefault(kind, []).append(data[at(address):at(address) + size])
    return found


def version_strings(block):
    """Walks VS_VERSIONINFO's tree: each node is length, value length, type,
    a NUL-ended UTF-16 key, then its value and children, 4-byte aligned."""
    def node(at):
        length, value_length, kind = struct.unpack_from("<HHH", block, at)
        end = block.index(b"\0\0", at + 6)
        while (end - at - 6) % 2:
            end = block.index(b"\0\0", end + 1)
        key = block[at + 6:end].decode("utf-16-le")
        value = (end + 2 + 3) & ~3
        return length, value_length, kind, key, value

    def walk(at, stop, depth):
        while at < stop:
            length, value_length, kind, key, value = node(at)
            if depth == 3:
                text = block[value:value + 2 * value_length].decode("utf-16-le").rstrip("\0")
                print(f"{key}={text}")
            children = (value + (2 * value_length if kind else value_length) + 3) & ~3
            if depth == 0 or key == "StringFileInfo" or depth == 2:
                walk(children, at + length, depth + 1)
            at = (at + length + 3) & ~3

    walk(0, len(block), 0)


def main():
    path, what = sys.argv[1:3]
    data = open(path, "rb").read()
    if what == "icon" and path.endswith(".ico"):
        count = struct.unpack_from("<H", data, 4)[0]
        pictures = []
        for i in range(count):
            size, offset = struct.unpack_from("<II", data, 6 + 16 * i + 8)
            pictures.append(data[offset:offset + size])
    else:
        found = resources(data)
        if what == "version":
            return version_strings(found[RT_VERSION][0])
        if what == "manifest":
            return print(found[RT_MANIFEST][0].decode("utf-8"))
        pictures = found.get(RT_ICON, [])
    print(hashlib.sha256(b"".join(sorted(pictures))).hexdigest())


main()
