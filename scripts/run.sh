#!/bin/sh
# Installs what is missing, builds, and starts Quillfold in the folder this
# command was given in.
set -e
here=$(pwd)
repository=$(cd "$(dirname "$0")/.." && pwd)
cd "$repository"
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target quillfold
cd "$here"
exec "$repository/build/default/window/quillfold"
