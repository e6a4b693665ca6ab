#!/bin/sh
# Installs Quillfold with its installer under Wine, silently as an
# administrator's script would, checks what it installed, runs the installed
# command line once, uninstalls silently and checks that nothing is left.
#   check-installer.sh WINE-RUN PREFIX SETUP.EXE VERSION FILES-FOLDER NAME...
# WINE-RUN is cmake/wine-run.sh; PREFIX, a Wine prefix for this check alone,
# is made afresh. FILES-FOLDER holds the files the installer was made from,
# NAME... their names: exactly these must be installed, with the same bytes.
set -eu
wine_run=$1
prefix=$2
setup=$3
version=$4
files=$5
shift 5

failures=0
fail() {
  echo "check-installer: $*" >&2
  failures=$((failures + 1))
}

# What every build ships, whatever else the build made.
for name in quillfold-cli.exe readme.html screenshot.png LICENSE.txt; do
  case " $* " in
    *" $name "*) ;;
    *) fail "$name is not among the files to ship" ;;
  esac
done

rm -rf "$prefix" "$prefix.made" "$prefix.lock" "$prefix.log"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

wine() {
  "$wine_run" "$prefix" "$@"
}
# Waits until every program in the prefix has ended: the uninstaller runs
# from a copy of itself in the temporary folder, and the one started returns
# at once.
wait_for_wine() {
  wineserver=$(command -v wineserver || true)
  [ -n "$wineserver" ] || [ ! -x /usr/lib/wine/wineserver64 ] || wineserver=/usr/lib/wine/wineserver64
  [ -n "$wineserver" ] || wineserver=/usr/lib/wine/wineserver
  WINEPREFIX=$prefix "$wineserver" -w
}

program_files="$prefix/drive_c/Program Files"
install_dir="$program_files/Quillfold"
windows_install_dir='C:\Program Files\Quillfold'
start_menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillfold'
key32='HKLM\Software\WOW6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Quillfold'

# One value of the uninstall key: "TYPE DATA", as reg prints it.
reg_value() {
  wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
    sed -n "s/^    $1    \\(REG_[A-Z_]*\\)    \\(.*\\)\$/\\1 \\2/p"
}
expect_value() {
  got=$(reg_value "$1")
  [ "$got" = "$2" ] || fail "registry value $1 is \"$got\", not \"$2\""
}

# The program a shortcut (.lnk) starts: the local path in its link
# information, as the shell link format lays it out.
shortcut_target() {
  python3 - "$1" <<'EOF'
import struct
import sys

data = open(sys.argv[1], "rb").read()
(flags,) = struct.unpack_from("<I", data, 0x14)
offset = 0x4C
if flags & 0x1:  # an item list comes first
    offset += 2 + struct.unpack_from("<H", data, offset)[0]
if not flags & 0x2:
    sys.exit("no link information")
info = offset
header_size, info_flags = struct.unpack_from("<II", data, info + 4)
base_offset, _, suffix_offset = struct.unpack_from("<III", data, info + 16)
if not info_flags & 0x1:
    sys.exit("no local path")
if header_size >= 0x24:  # the same paths in UTF-16 too
    base_offset, suffix_offset = struct.unpack_from("<II", data, info + 28)
    def text(at):
        end = at
        while data[end:end + 2] != b"\0\0":
            end += 2
        return data[at:end].decode("utf-16-le")
else:
    def text(at):
        return data[at:data.index(b"\0", at)].decode("latin-1")
print(text(info + base_offset) + text(info + suffix_offset))
EOF
}

# --- Install -----------------------------------------------------------
status=0
wine "$setup" /S || status=$?
wait_for_wine
[ "$status" -eq 0 ] || fail "the installer exited with status $status"

if [ ! -d "$install_dir" ]; then
  fail "nothing installed in C:\\Program Files\\Quillfold"
  exit 1
fi
window=no
for name in "$@"; do
  [ "$name" = quillfold.exe ] && window=yes
  if [ ! -f "$install_dir/$name" ]; then
    fail "$name is not installed"
  elif ! cmp -s "$files/$name" "$install_dir/$name"; then
    fail "the installed $name differs from the one shipped"
  fi
done
# The uninstaller is a 64-bit Windows program.
if [ ! -f "$install_dir/Uninstall.exe" ]; then
  fail "Uninstall.exe is not installed"
elif [ "$(od -An -tx1 -j "$(od -An -tu4 -j60 -N4 "$install_dir/Uninstall.exe")" -N6 \
         "$install_dir/Uninstall.exe" | tr -d ' \n')" != 504500006486 ]; then
  fail "Uninstall.exe is not a 64-bit Windows program"
fi
installed=$(cd "$install_dir" && ls -A | sort)
expected=$(printf '%s\n' "$@" Uninstall.exe | sort)
[ "$installed" = "$expected" ] ||
  fail "installed files: $(echo $installed), expected: $(echo $expected)"

# The Start menu entry starts the window, for all users; without the window
# there is none.
shortcut="$start_menu/Quillfold.lnk"
if [ "$window" = yes ]; then
  if [ ! -f "$shortcut" ]; then
    fail "no Start menu entry Quillfold.lnk"
  else
    target=$(shortcut_target "$shortcut" || true)
    [ "$target" = "$windows_install_dir\\quillfold.exe" ] ||
      fail "the Start menu entry starts \"$target\", not $windows_install_dir\\quillfold.exe"
  fi
elif [ -e "$shortcut" ]; then
  fail "a Start menu entry without the window"
fi

# The entry in Apps & features, in the 64-bit registry only.
icon='Uninstall.exe,0'
[ "$window" = no ] || icon='quillfold.exe,0'
expect_value DisplayName "REG_SZ Quillfold"
expect_value DisplayVersion "REG_SZ $version"
expect_value Publisher "REG_SZ The Quillfold authors"
expect_value DisplayIcon "REG_SZ $windows_install_dir\\$icon"
expect_value UninstallString "REG_SZ \"$windows_install_dir\\Uninstall.exe\""
expect_value QuietUninstallString "REG_SZ \"$windows_install_dir\\Uninstall.exe\" /S"
expect_value InstallLocation "REG_SZ $windows_install_dir"
expect_value NoModify "REG_DWORD 0x1"
expect_value NoRepair "REG_DWORD 0x1"
# The size in KiB of what was installed, give or take a KiB a file.
size=$(reg_value EstimatedSize)
case "$size" in
  "REG_DWORD 0x"*)
    kib=$(printf '%d' "${size#REG_DWORD }")
    bytes=$(cat "$install_dir"/* | wc -c)
    count=$(ls -A "$install_dir" | wc -l)
    low=$((bytes / 1024 - count))
    high=$((bytes / 1024 + count))
    [ "$kib" -ge "$low" ] && [ "$kib" -le "$high" ] ||
      fail "EstimatedSize is $kib KiB, the files take $bytes bytes"
    ;;
  *) fail "EstimatedSize is \"$size\", not a DWORD" ;;
esac
if wine reg query "$key32" >/dev/null 2>&1; then
  fail "the uninstall entry is in the 32-bit registry"
fi

# --- The installed command line ----------------------------------------
mkdir "$work/folder"
: >"$work/folder/my report.pdf"
status=0
printed=$(cd "$work" && wine "$windows_install_dir\\quillfold-cli.exe" folder) || status=$?
[ "$status" -eq 0 ] || fail "the installed quillfold-cli.exe exited with status $status"
[ "$(printf '%s' "$printed" | tr -d '\r')" = "my report.pdf" ] ||
  fail "the installed quillfold-cli.exe printed \"$printed\""
printf '<body>\r\n<p><a href="my%%20report.pdf">my report.pdf</a></p>\r\n<p></p>\r\n<body>\r\n' \
  >"$work/expected.html"
if ! cmp -s "$work/expected.html" "$work/folder/index1.html"; then
  fail "the installed quillfold-cli.exe wrote other bytes to index1.html:"
  od -c "$work/folder/index1.html" >&2 || true
fi
printed=$(wine "$windows_install_dir\\quillfold-cli.exe" --version | tr -d '\r') || true
[ "$printed" = "quillfold-cli $version" ] ||
  fail "the installed quillfold-cli.exe --version printed \"$printed\""

# --- Uninstall ---------------------------------------------------------
# As Apps & features runs it, from the quiet uninstall string.
status=0
wine "$windows_install_dir\\Uninstall.exe" /S || status=$?
wait_for_wine
[ "$status" -eq 0 ] || fail "the uninstaller exited with status $status"
if [ -e "$install_dir" ]; then
  fail "C:\\Program Files\\Quillfold is left after uninstalling, with: $(ls -A "$install_dir" | tr '\n' ' ')"
fi
[ ! -e "$shortcut" ] || fail "the Start menu entry is left after uninstalling"
if wine reg query "$key" >/dev/null 2>&1; then
  fail "the uninstall entry is left in the registry"
fi

# --- A file of the user's in the folder -------------------------------
# Installing again, then uninstalling, keeps what the user put in the
# folder, and the folder with it: the uninstaller removes only its own.
status=0
wine "$setup" /S || status=$?
wait_for_wine
[ "$status" -eq 0 ] || fail "installing again: the installer exited with status $status"
printf 'mine\r\n' >"$install_dir/notes.txt"
status=0
wine "$windows_install_dir\\Uninstall.exe" /S || status=$?
wait_for_wine
[ "$status" -eq 0 ] || fail "uninstalling again: the uninstaller exited with status $status"
left=$(ls -A "$install_dir" 2>/dev/null || true)
[ "$left" = notes.txt ] ||
  fail "with a file of the user's, the uninstaller left \"$(echo $left)\", not \"notes.txt\""
[ "$(cat "$install_dir/notes.txt" 2>/dev/null)" = "$(printf 'mine\r')" ] ||
  fail "the user's notes.txt was changed by uninstalling"
if wine reg query "$key" >/dev/null 2>&1; then
  fail "uninstalling again: the uninstall entry is left in the registry"
fi

if [ "$failures" -ne 0 ]; then
  echo "check-installer: $failures failures" >&2
  exit 1
fi
echo "check-installer: installed, ran and uninstalled cleanly"
