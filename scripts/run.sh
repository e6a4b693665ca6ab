#!/bin/sh
# Installs what is missing, builds, and starts Quillfold in the current folder.
set -e
here=$(pwd)
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target quillfold
cd "$here"
exec "$OLDPWD/build/default/window/quillfold"
