#!/bin/sh
# Runs a Windows program under Wine as the unprivileged user nobody when
# called by root, for the checks root would pass (root writes a read-only
# file); called by another user, as that user.
#   wine-run-unprivileged.sh FOLDER PROGRAM.exe [ARGUMENT...]
# FOLDER, given to nobody, holds nobody's own Wine prefix and copies of the
# program and of wine-run.sh, as the source and build folders may be closed
# to nobody. The program sees QUILLFOLD_UNPRIVILEGED=1 in its environment.
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
mkdir -p "$folder"
cp "$here/wine-run.sh" "$program" "$folder/"
chown nobody "$folder" "$folder/wine-run.sh" "$folder/$(basename "$program")"
cd "$folder"
exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
  env -i PATH="$PATH" HOME="$folder" LANG="${LANG:-C.UTF-8}" QUILLFOLD_UNPRIVILEGED=1 \
  "$folder/wine-run.sh" "$folder/wine" "$folder/$(basename "$program")" "$@"
