#!/usr/bin/env python3
"""Writes the portable zip so that the same files always give the same bytes.

Usage: make-zip.py ZIP EPOCH FOLDER NAME...

The entries come in the order given, every one stamped with EPOCH (the
release's time in seconds since 1970, written as UTC) and with no owner,
permissions or extra time fields of the build machine's; only the files'
bytes vary the zip.
"""
import os
import sys
import time
import zipfile


def main():
    zip_path, epoch, folder, names = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    stamp = time.gmtime(int(epoch))[:6]
    partial = zip_path + ".part"
    with zipfile.ZipFile(partial, "w") as archive:
        for name in names:
            entry = zipfile.ZipInfo(name, date_time=stamp)
            # Made on MS-DOS, as Windows' own zips are: no Unix mode to carry.
            entry.create_system = 0
            entry.external_attr = 0
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, name), "rb") as shipped:
                archive.writestr(entry, shipped.read(), compresslevel=9)
    os.replace(partial, zip_path)


if __name__ == "__main__":
    main()
