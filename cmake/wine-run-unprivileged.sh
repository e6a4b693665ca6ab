#!/bin/sh
# Runs a Windows program under Wine as the unprivileged user nobody when
# called by root, for the checks root would pass (root writes a read-only
# file); called by another user, as that user.
#   wine-run-unprivileged.sh FOLDER PROGRAM.exe [ARGUMENT...]
# Called by another user, FOLDER holds that user's Wine prefix. Called by
# root, nobody gets a fresh folder under /tmp instead, removed at the end,
# with its own Wine prefix and copies of the program and of wine-run.sh: the
# source and build folders, and any folder above them (a checkout below
# /root, a home folder of mode 0700), may be closed to nobody. The program
# sees QUILLFOLD_UNPRIVILEGED=1 in its environment.
set -e
here=$(dirname "$(realpath "$0")")
folder=$1
program=$2
shift 2
QUILLFOLD_UNPRIVILEGED=1
export QUILLFOLD_UNPRIVILEGED
if [ "$(id -u)" -ne 0 ]; then
  exec "$here/wine-run.sh" "$folder/wine" "$program" "$@"
fi
folder=$(mktemp -d /tmp/quillfold-nobody-XXXXXX)
trap 'rm -rf "$folder"' EXIT
cp "$here/wine-run.sh" "$program" "$folder/"
chown nobody "$folder" "$folder/wine-run.sh" "$folder/$(basename "$program")"
cd "$folder"
as_nobody() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i PATH="$PATH" HOME="$folder" LANG="${LANG:-C.UTF-8}" QUILLFOLD_UNPRIVILEGED=1 "$@"
}
status=0
as_nobody "$folder/wine-run.sh" "$folder/wine" "$folder/$(basename "$program")" "$@" || status=$?
# Wine's server outlives the program and saves the prefix's registry when it
# ends: it must be gone before the folder goes.
as_nobody env WINEPREFIX="$folder/wine" wineserver -w || true
exit "$status"
