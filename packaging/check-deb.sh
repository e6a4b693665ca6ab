#!/bin/sh
# Checks the Debian package that dpkg-buildpackage made from debian/.
# Usage:
#   check-deb.sh contents DEB APPSTREAM_ID       what it would install
#   check-deb.sh lintian CHANGES LEVELS [TAG...] lintian finds nothing at
#                                                LEVELS (such as
#                                                error,warning,info) but the
#                                                TAGs in the source and
#                                                binary packages
#   check-deb.sh hardening DEB BUILD_DIR         every hardening feature is in
#                                                both programs
set -eu
mode=$1
package=$2

fail() {
  echo "check-deb: $*" >&2
  exit 1
}

[ -f "$package" ] || fail "no $package"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

case $mode in
contents)
  appstream_id=$3
  deb=$package
  [ "$(dpkg-deb -f "$deb" Package)" = quillfold ] || fail "wrong package name"
  version=$(dpkg-deb -f "$deb" Version)
  # Built without a publisher's host, the package names no home page.
  [ -z "$(dpkg-deb -f "$deb" Homepage)" ] || fail "Homepage without a publisher's host"
  depends=$(dpkg-deb -f "$deb" Depends)
  for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6; do
    echo "$depends" | grep -q "\\b$library\\b" || fail "Depends lacks $library: $depends"
  done

  root="$scratch/root"
  dpkg -x "$deb" "$root"
  expected="./usr/bin/quillfold
./usr/bin/quillfold-cli
./usr/share/applications/quillfold.desktop
./usr/share/doc-base/quillfold.quillfold
./usr/share/doc/quillfold/changelog.gz
./usr/share/doc/quillfold/copyright
./usr/share/doc/quillfold/manual.md.gz
./usr/share/doc/quillfold/readme.html
./usr/share/doc/quillfold/screenshot.png
./usr/share/icons/hicolor/128x128/apps/quillfold.png
./usr/share/icons/hicolor/16x16/apps/quillfold.png
./usr/share/icons/hicolor/256x256/apps/quillfold.png
./usr/share/icons/hicolor/32x32/apps/quillfold.png
./usr/share/icons/hicolor/48x48/apps/quillfold.png
./usr/share/icons/hicolor/64x64/apps/quillfold.png
./usr/share/icons/hicolor/scalable/apps/quillfold.svg
./usr/share/man/man1/quillfold-cli.1.gz
./usr/share/man/man1/quillfold.1.gz
./usr/share/metainfo/$appstream_id.metainfo.xml"
  actual=$(cd "$root" && find . -type f | LC_ALL=C sort)
  if [ "$actual" != "$expected" ]; then
    printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual" >&2
    fail "the package holds other files than expected"
  fi

  for program in quillfold quillfold-cli; do
    [ -x "$root/usr/bin/$program" ] || fail "$program is not executable"
  done
  [ "$("$root/usr/bin/quillfold-cli" --version)" = "quillfold-cli $version" ] ||
    fail "the packaged quillfold-cli does not run or is not version $version"
  for size in 16 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/quillfold.png" |
      grep -q "PNG image data, $size x $size," || fail "the ${size}x$size icon is not $size pixels square"
  done
  grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/quillfold.svg" ||
    fail "the scalable icon is no SVG"
  for page in quillfold quillfold-cli; do
    gzip -t "$root/usr/share/man/man1/$page.1.gz" || fail "$page.1.gz is no gzip file"
    # man reads the compressed page as it is installed.
    title=$(LC_ALL=C MANWIDTH=80 man -l "$root/usr/share/man/man1/$page.1.gz" | head -n 1)
    case $title in
    "$(echo "$page" | tr a-z A-Z)(1) "*) ;;
    *) fail "$page.1.gz is not the manual page of $page: $title" ;;
    esac
  done
  copyright="$root/usr/share/doc/quillfold/copyright"
  head -n 1 "$copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
  grep -q '^ THE SOFTWARE IS PROVIDED "AS IS"' "$copyright" || fail "the copyright file lacks the licence"
  zcat "$root/usr/share/doc/quillfold/changelog.gz" | head -n 1 | grep -qF "quillfold ($version) " ||
    fail "the changelog's first entry is not for quillfold $version"
  # The manual pages send their readers to the user's manual for the errors.
  zcat "$root/usr/share/doc/quillfold/manual.md.gz" | grep -qx '## Error numbers' ||
    fail "the user's manual holds no table of error numbers"
  desktop-file-validate "$root/usr/share/applications/quillfold.desktop"
  metainfo="$root/usr/share/metainfo/$appstream_id.metainfo.xml"
  appstreamcli validate --pedantic --no-net "$metainfo" >/dev/null ||
    fail "the packaged metainfo does not validate"
  grep -qF "<release version=\"$version\"" "$metainfo" || fail "the metainfo carries no release $version"
  grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "the metainfo names no licence"
  # The screenshot's size in the metainfo is the size of the picture it names.
  size=$(file "$root/usr/share/doc/quillfold/screenshot.png" | sed -n 's/.*PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1 \2/p')
  grep -q "<image type=\"source\" width=\"${size% *}\" height=\"${size#* }\">" "$metainfo" ||
    fail "the metainfo's screenshot is not the ${size% *} x ${size#* } pixels of docs/screenshot.png"
  echo "check-deb: $deb is complete"
  ;;

lintian)
  levels=$3
  shift 3
  suppressed=$(echo "$@" | tr ' ' ',')
  # Lintian warns on stderr that it runs as root; its findings go to stdout.
  # (--show-overrides would count the overridden ones as failures too.)
  if ! lintian --fail-on "$levels" --display-level '>=info' --tag-display-limit 0 \
    ${suppressed:+--suppress-tags "$suppressed"} "$package" \
    >"$scratch/lintian.out" 2>"$scratch/lintian.err"; then
    cat "$scratch/lintian.out" "$scratch/lintian.err" >&2
    fail "lintian finds faults at the levels $levels"
  fi
  cat "$scratch/lintian.out"
  echo "check-deb: lintian finds nothing at the levels $levels"
  ;;

hardening)
  build=$3
  dpkg -x "$package" "$scratch/root"
  programs="$scratch/root/usr/bin/quillfold $scratch/root/usr/bin/quillfold-cli"
  # Fails on any missing feature: position-independent code, stack
  # protector, read-only relocations and immediate binding. Control-flow
  # protection is not asked for: Debian 12's C start-up files (Scrt1.o,
  # crti.o, crtn.o) carry no CET marking, so no program linked against them
  # gets one, /bin/ls included.
  hardening-check --nocfprotection --nofortify $programs ||
    fail "the packaged programs lack hardening"
  # Fortified functions show in a program only where a call's buffer size is
  # known when compiling; a program whose calls have none gets "only
  # unprotected functions" however it was built. So where hardening-check
  # cannot see them, every compile command must have asked for them, with
  # optimisation, which they need.
  if hardening-check --quiet --nopie --nostackprotector --norelro --nobindnow --nocfprotection \
    $programs >"$scratch/fortify" 2>&1; then
    echo "check-deb: hardening-check finds fortified functions in both programs"
  else
    cat "$scratch/fortify"
    commands="$build/compile_commands.json"
    [ -f "$commands" ] || fail "no $commands to tell whether the build was fortified"
    grep '"command"' "$commands" >"$scratch/commands" || fail "no compile commands in $commands"
    if grep -v -e '-D_FORTIFY_SOURCE=[23]' "$scratch/commands" >"$scratch/unfortified" ||
      grep -v -e ' -O[1-3s]\b' "$scratch/commands" >>"$scratch/unfortified"; then
      head -n 3 "$scratch/unfortified" >&2
      fail "compiled without _FORTIFY_SOURCE=2 or 3 and optimisation"
    fi
    echo "check-deb: every compile command fortifies libc calls; a program without fortified"
    echo "check-deb: functions makes no call whose buffer size is known when compiling"
  fi
  ;;

*)
  fail "unknown check $mode"
  ;;
esac
