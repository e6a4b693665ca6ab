#!/bin/sh
# The portable zip must hold exactly the files the installer installs, with
# the same bytes, at its top level, and nothing else; its read-me and
# screenshot must be the Windows ones the build made.
#   check-zip.sh ZIP READ-ME-FOLDER FILES-FOLDER NAME...
set -eu
zip=$1
read_me=$2
files=$3
shift 3
exec python3 - "$zip" "$read_me" "$files" "$@" <<'EOF'
import sys
import zipfile

zip_path, read_me, files, names = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
failures = []
# What every build ships, whatever else the build made.
for name in ("quillfold-cli.exe", "readme.html", "screenshot.png", "LICENSE.txt"):
    if name not in names:
        failures.append(f"{name} is not among the files to ship")
with zipfile.ZipFile(zip_path) as archive:
    bad = archive.testzip()
    if bad is not None:
        failures.append(f"{bad} is damaged in the zip")
    held = archive.namelist()
    if sorted(held) != sorted(names):
        failures.append(f"the zip holds {sorted(held)}, expected {sorted(names)}")
    if len(held) != len(set(held)):
        failures.append("the zip holds a name twice")
    for name in names:
        if name not in held:
            continue
        with open(f"{files}/{name}", "rb") as shipped:
            if archive.read(name) != shipped.read():
                failures.append(f"{name} in the zip differs from the one shipped")
    # The installer is made from the same files, so it ships them too.
    for name in ("readme.html", "screenshot.png"):
        with open(f"{read_me}/{name}", "rb") as windows_page:
            if name in held and archive.read(name) != windows_page.read():
                failures.append(f"{name} in the zip is not the Windows one made in {read_me}")
for failure in failures:
    print(f"check-zip: {failure}", file=sys.stderr)
sys.exit(1 if failures else 0)
EOF
