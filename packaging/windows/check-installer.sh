#!/bin/sh
# Installs Quillfold with its installer under Wine, silently as an
# administrator's script would, checks what it installed, runs the installed
# command line once, uninstalls silently and checks that nothing is left; then
# what must be refused: a running Quillfold, a folder that cannot be made, a
# second copy, an uninstaller of a copy the entry does not name.
#   check-installer.sh WINE-RUN PREFIX SETUP.EXE VERSION ICON SIGNATURES
#                      HOLDER.EXE FILES-FOLDER NAME...
# WINE-RUN is cmake/wine-run.sh; PREFIX, a Wine prefix for this check alone,
# is made afresh. ICON is the .ico the installer must show, or "none".
# SIGNATURES is "none" when nothing is signed, the certificate authority's
# PEM file that the installer and the installed programs' signatures must
# verify against, or "-" for signatures not checked here.
# HOLDER.EXE makes itself known as a running Quillfold and holds that until
# its input ends. FILES-FOLDER holds the files the installer was made from,
# NAME... their names: exactly these must be installed, with the same bytes.
set -eu
wine_run=$1
prefix=$2
setup=$3
version=$4
icon_file=$5
signatures=$6
holder=$7
files=$8
shift 8
resources="python3 $(dirname "$0")/pe_resources.py"

failures=0
fail() {
  # printf: a registry key's "\command" is no escape.
  printf 'check-installer: %s\n' "$*" >&2
  failures=$((failures + 1))
}

# What every build ships, whatever else the build made.
for name in quillfold-cli.exe readme.html screenshot.png LICENSE.txt; do
  case " $* " in
    *" $name "*) ;;
    *) fail "$name is not among the files to ship" ;;
  esac
done

wineserver=$(command -v wineserver || true)
[ -n "$wineserver" ] || [ ! -x /usr/lib/wine/wineserver64 ] || wineserver=/usr/lib/wine/wineserver64
[ -n "$wineserver" ] || wineserver=/usr/lib/wine/wineserver
# A prefix that an earlier check left may still have its server running,
# which writes the registry into it as it ends.
[ ! -d "$prefix" ] || WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true
rm -rf "$prefix" "$prefix.made" "$prefix.lock" "$prefix.log"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Each step is bounded, so that a step Wine never ends fails by its name
# (status 124) instead of the whole check timing out.
wine() {
  timeout 240 "$wine_run" "$prefix" "$@"
}
# Waits until every program in the prefix has ended: the uninstaller runs
# from a copy of itself in the temporary folder, and the one started returns
# at once.
wait_for_wine() {
  if ! WINEPREFIX=$prefix timeout 120 "$wineserver" -w; then
    fail "programs of the prefix still running after 120 s; ended"
    WINEPREFIX=$prefix "$wineserver" -k || true
  fi
}

program_files="$prefix/drive_c/Program Files"
install_dir="$program_files/Quillfold"
windows_install_dir='C:\Program Files\Quillfold'
start_menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
shortcut="$start_menu/Quillfold.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillfold'
key32='HKLM\Software\WOW6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Quillfold'

folder_menu='HKLM\Software\Classes\Directory\shell\Quillfold'
background_menu='HKLM\Software\Classes\Directory\Background\shell\Quillfold'

# One value of a key: "TYPE DATA", as reg prints it; no name: the default.
reg_value() {
  if [ -n "$2" ]; then
    wine reg query "$1" /v "$2" 2>/dev/null
  else
    wine reg query "$1" /ve 2>/dev/null
  fi | tr -d '\r' | sed -n "s/^    ${2:-(Default)}    \\(REG_[A-Z_]*\\)    \\(.*\\)\$/\\1 \\2/p"
}
expect_value() {
  got=$(reg_value "$key" "$1")
  [ "$got" = "$2" ] || fail "registry value $1 is \"$got\", not \"$2\""
}
# Everything an install leaves, to compare before and after what must
# change nothing.
installed_state() {
  ls -A "$program_files" "$prefix/drive_c" "$start_menu"
  cat "$install_dir"/* 2>/dev/null | cksum
  for k in "$key" "$folder_menu" "$background_menu"; do
    wine reg query "$k" /s 2>&1 || true
  done
}
# The files, the entry, the shortcut and Explorer's entries are all gone.
expect_nothing_installed() {
  [ ! -e "$install_dir" ] ||
    fail "$1: C:\\Program Files\\Quillfold is left, with: $(ls -A "$install_dir" | tr '\n' ' ')"
  [ ! -e "$shortcut" ] || fail "$1: the Start menu entry is left"
  for k in "$key" "$folder_menu" "$background_menu"; do
    if wine reg query "$k" >/dev/null 2>&1; then
      fail "$1: $k is left in the registry"
    fi
  done
}

# The program a shortcut (.lnk) starts, the local path in its link
# information, and on a second line its working folder ("Start in"), as the
# shell link format lays them out.
shortcut_fields() {
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
# The strings after the link information, each there by its flag (name,
# relative path, working folder): a count of characters, then the text.
offset = info + struct.unpack_from("<I", data, info)[0]
width = 2 if flags & 0x80 else 1
for flag in (0x4, 0x8):
    if flags & flag:
        offset += 2 + width * struct.unpack_from("<H", data, offset)[0]
if flags & 0x10:
    count = struct.unpack_from("<H", data, offset)[0]
    text = data[offset + 2:offset + 2 + width * count]
    print(text.decode("utf-16-le" if width == 2 else "latin-1"))
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
if [ "$window" = yes ]; then
  if [ ! -f "$shortcut" ]; then
    fail "no Start menu entry Quillfold.lnk"
  else
    fields=$(shortcut_fields "$shortcut" || true)
    target=$(printf '%s\n' "$fields" | sed -n 1p)
    [ "$target" = "$windows_install_dir\\quillfold.exe" ] ||
      fail "the Start menu entry starts \"$target\", not $windows_install_dir\\quillfold.exe"
    # Expanded for each user as the shortcut starts: the user's own folder.
    start_in=$(printf '%s\n' "$fields" | sed -n 2p)
    [ "$start_in" = "%USERPROFILE%" ] ||
      fail "the Start menu entry starts in \"$start_in\", not %USERPROFILE%"
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
size=$(reg_value "$key" EstimatedSize)
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

# Explorer's "Open in Quillfold" on a folder and on its background: key,
# value (- for the key's default), what it holds.
if [ "$window" = yes ]; then
  while IFS='|' read -r menu name expected; do
    [ "$name" = - ] && name=
    got=$(reg_value "$menu" "$name")
    [ "$got" = "$expected" ] ||
      fail "$menu${name:+ value $name} is \"$got\", not \"$expected\""
  done <<EOF
$folder_menu|-|REG_SZ Open in Quillfold
$folder_menu|Icon|REG_SZ $windows_install_dir\\quillfold.exe,0
$folder_menu\\command|-|REG_SZ "$windows_install_dir\\quillfold.exe" "%1"
$background_menu|-|REG_SZ Open in Quillfold
$background_menu|Icon|REG_SZ $windows_install_dir\\quillfold.exe,0
$background_menu\\command|-|REG_SZ "$windows_install_dir\\quillfold.exe" "%V"
EOF
elif wine reg query "$folder_menu" >/dev/null 2>&1; then
  fail "Explorer's menu entry without the window"
fi

# --- The programs' resources -------------------------------------------
# Program, version key, value.
while IFS='|' read -r program name expected; do
  got=$($resources "$program" version | sed -n "s/^$name=//p")
  [ "$got" = "$expected" ] || fail "$(basename "$program")'s $name is \"$got\", not \"$expected\""
done <<EOF
$setup|FileDescription|Quillfold $version Setup
$setup|ProductVersion|$version
$install_dir/Uninstall.exe|FileDescription|Quillfold $version Uninstall
$install_dir/Uninstall.exe|ProductVersion|$version
$install_dir/quillfold-cli.exe|FileDescription|Quillfold command line
$install_dir/quillfold-cli.exe|ProductName|Quillfold
$install_dir/quillfold-cli.exe|ProductVersion|$version
EOF
if [ "$icon_file" != none ]; then
  for program in "$setup" "$install_dir/Uninstall.exe"; do
    [ "$($resources "$program" icon)" = "$($resources "$icon_file" icon)" ] ||
      fail "$(basename "$program") does not show Quillfold's icon"
  done
fi
manifest=$($resources "$install_dir/quillfold-cli.exe" manifest | tr -d '\n')
for part in 'level="asInvoker"' '>true</longPathAware>' \
            'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"'; do
  case "$manifest" in
    *"$part"*) ;;
    *) fail "quillfold-cli.exe's manifest lacks $part" ;;
  esac
done

# --- Signatures --------------------------------------------------------
# The installer, and the installed programs as they will run: the
# uninstaller was signed before the installer packed it.
for program in "$setup" "$install_dir"/*.exe; do
  case $signatures in
    -) ;;
    none)
      [ "$(python3 "$(dirname "$0")/pe_signature.py" table "$program")" = "0 0" ] ||
        fail "$(basename "$program") is signed, and no certificate is configured"
      ;;
    *)
      report=$(osslsigncode verify -CAfile "$signatures" -in "$program" 2>&1) ||
        fail "$(basename "$program")'s signature does not verify:" \
          "$(printf '%s\n' "$report" | grep -v '^$' | tail -n 4 | tr '\n' ' ')"
      ;;
  esac
done

# --- A running Quillfold -----------------------------------------------
# Neither the installer nor the uninstaller (run in place, which waits and
# gives its status) may replace or remove a running Quillfold: status 3,
# nothing changed.
before=$(installed_state)
mkfifo "$work/holder-input"
"$wine_run" "$prefix" "$holder" <"$work/holder-input" >"$work/holder-output" 2>&1 &
exec 3>"$work/holder-input"
# Wine may take long to start a program while other tests load the
# machine: up to two minutes.
tries=0
until grep -q marked "$work/holder-output" || [ "$tries" -ge 1200 ]; do
  sleep 0.1
  tries=$((tries + 1))
done
grep -q marked "$work/holder-output" || fail "$(basename "$holder") did not start"
# The holder ends when every write end of its input is closed, so the
# programs started here must not inherit this one: a server or service that
# Wine starts on demand (rpcss for the shortcut, say) would keep it open for
# the rest of the check, and the holder running.
refused() {
  status=0
  wine "$@" 3>&- || status=$?
  [ "$status" -eq 3 ] || fail "with Quillfold running, $* exited with status $status, not 3"
}
refused "$setup" /S
refused "$setup" /S '/D=C:\Tools\Quillfold'
# NSIS takes the rest of the command line after _?= as the folder, unquoted;
# Wine quotes an argument with a space, so the folder goes in as two.
refused "$windows_install_dir\\Uninstall.exe" /S '_?=C:\Program' 'Files\Quillfold'
exec 3>&-
wait_for_wine
[ "$(installed_state)" = "$before" ] || fail "with Quillfold running, the installed state changed"

# --- Installing again elsewhere ----------------------------------------
# The installed copy is replaced where it is: one copy, one entry.
status=0
wine "$setup" /S '/D=C:\Tools\Quillfold' || status=$?
wait_for_wine
[ "$status" -eq 0 ] || fail "installing again with /D=: the installer exited with status $status"
[ ! -e "$prefix/drive_c/Tools" ] || fail "installing again with /D= made a second copy"
expect_value InstallLocation "REG_SZ $windows_install_dir"
[ "$(installed_state)" = "$before" ] || fail "installing again changed what was installed"

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
expect_nothing_installed "after uninstalling"

# --- A folder that cannot be made --------------------------------------
# On a drive that is not there: status 2, and nothing installed anywhere.
status=0
wine "$setup" /S '/D=Q:\Nope\Quillfold' || status=$?
wait_for_wine
[ "$status" -eq 2 ] || fail "installing on a missing drive: the installer exited with status $status"
expect_nothing_installed "installing on a missing drive"

# --- A file of the user's, an entry of another copy's ------------------
# Installing again, then uninstalling, keeps what the user put in the
# folder, and the folder with it: the uninstaller removes only its own.
# The entry names another copy (one installed before installers replaced
# copies in place): its entry, shortcut and Explorer's entries stay.
status=0
wine "$setup" /S || status=$?
wait_for_wine
[ "$status" -eq 0 ] || fail "installing again: the installer exited with status $status"
printf 'mine\r\n' >"$install_dir/notes.txt"
wine reg add "$key" /v InstallLocation /d 'C:\Tools\Quillfold' /f >/dev/null
status=0
wine "$windows_install_dir\\Uninstall.exe" /S || status=$?
wait_for_wine
[ "$status" -eq 0 ] || fail "uninstalling again: the uninstaller exited with status $status"
left=$(ls -A "$install_dir" 2>/dev/null || true)
[ "$left" = notes.txt ] ||
  fail "with a file of the user's, the uninstaller left \"$(echo $left)\", not \"notes.txt\""
[ "$(cat "$install_dir/notes.txt" 2>/dev/null)" = "$(printf 'mine\r')" ] ||
  fail "the user's notes.txt was changed by uninstalling"
kept=$key
[ "$window" = no ] || kept="$key $folder_menu $background_menu"
for k in $kept; do
  wine reg query "$k" >/dev/null 2>&1 ||
    fail "the uninstaller of a copy the entry does not name removed $k"
done
[ "$window" = no ] || [ -e "$shortcut" ] ||
  fail "the uninstaller of a copy the entry does not name removed the shortcut"
# Nothing of the check outlives it.
wait_for_wine

if [ "$failures" -ne 0 ]; then
  echo "check-installer: $failures failures" >&2
  exit 1
fi
echo "check-installer: installed, ran and uninstalled cleanly"
