#!/bin/sh
# Builds the Debian package from a finished build tree, unpacks it into a
# scratch root and checks what it would install.
# Usage: check-deb.sh BUILD_DIR APPSTREAM_ID
set -eu
build=$1
appstream_id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "check-deb: $*" >&2
  exit 1
}

# A scratch output directory keeps parallel test runs from sharing CPack's
# staging area.
if ! (cd "$build" && cpack --config CPackConfig.cmake -B "$scratch/out") >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  fail "cpack failed"
fi
set -- "$scratch"/out/quillfold_1.00_*.deb
[ -f "$1" ] || fail "no quillfold_1.00_*.deb among: $(ls "$scratch/out")"
deb=$1

[ "$(dpkg-deb -f "$deb" Package)" = quillfold ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.00 ] || fail "version is $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6; do
  echo "$depends" | grep -q "\\b$library\\b" || fail "Depends lacks $library: $depends"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
expected="./usr/bin/quillfold
./usr/bin/quillfold-cli
./usr/share/applications/quillfold.desktop
./usr/share/doc/quillfold/readme.html
./usr/share/icons/hicolor/16x16/apps/quillfold.xpm
./usr/share/icons/hicolor/32x32/apps/quillfold.xpm
./usr/share/metainfo/$appstream_id.metainfo.xml"
actual=$(cd "$root" && find . -type f | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual" >&2
  fail "the package holds other files than expected"
fi

for program in quillfold quillfold-cli; do
  [ -x "$root/usr/bin/$program" ] || fail "$program is not executable"
done
[ "$("$root/usr/bin/quillfold-cli" --version)" = "quillfold-cli 1.00" ] ||
  fail "the packaged quillfold-cli does not run"
for size in 16 32; do
  grep -q "^\"$size $size [0-9]* 1\"" "$root/usr/share/icons/hicolor/${size}x$size/apps/quillfold.xpm" ||
    fail "the ${size}x$size icon is not $size pixels square"
done
desktop-file-validate "$root/usr/share/applications/quillfold.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$appstream_id.metainfo.xml" >/dev/null ||
  fail "the packaged metainfo does not validate"
grep -q '<release version="1.00"' "$root/usr/share/metainfo/$appstream_id.metainfo.xml" ||
  fail "the metainfo carries no release 1.00"
echo "check-deb: $deb is complete"
