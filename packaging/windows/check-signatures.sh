#!/bin/sh
# Checks the downloads a build signed into OUT (Installer.cmake's
# quillfold_windows_downloads with a certificate): every program, the
# uninstaller and the installer has a signature that osslsigncode verifies
# against CA-FILE, made with SHA-256, naming Quillfold and linking to URL
# (no link when URL is empty), and each is its unsigned bytes, kept in
# OUT/unsigned, with the signature added and nothing else changed.
#   check-signatures.sh CA-FILE URL OUT SETUP.EXE PROGRAM...
set -eu
ca=$1
url=$2
out=$3
setup=$4
shift 4
signature="python3 $(dirname "$0")/pe_signature.py"

failures=0
fail() {
  printf 'check-signatures: %s\n' "$*" >&2
  failures=$((failures + 1))
}

# SIGNED UNSIGNED
check() {
  if ! report=$(osslsigncode verify -CAfile "$ca" -in "$1" 2>&1); then
    fail "$1 does not verify: $(printf '%s\n' "$report" | grep -v '^$' | tail -n 4 | tr '\n' ' ')"
    return
  fi
  # The attributes, as osslsigncode prints them, without their indent.
  report=$(printf '%s\n' "$report" | sed 's/^[[:space:]]*//')
  for line in "Message digest algorithm: SHA256" "Text description: Quillfold" \
              ${url:+"URL description: $url"}; do
    printf '%s\n' "$report" | grep -Fqx "$line" || fail "$1's signature lacks \"$line\""
  done
  if [ -z "$url" ] && printf '%s\n' "$report" | grep -q '^URL description'; then
    fail "$1's signature has a link, and there is no home page"
  fi
  $signature added "$2" "$1" || fail "$1 is not $2 with a signature added"
}

for program in "$@"; do
  check "$out/files/$program" "$out/unsigned/$program"
done
check "$out/Uninstall.exe" "$out/unsigned/Uninstall.exe"
check "$setup" "$out/unsigned/setup.exe"

if [ "$failures" -ne 0 ]; then
  echo "check-signatures: $failures failures" >&2
  exit 1
fi
echo "check-signatures: $# programs, the uninstaller and the installer are signed"
