#!/bin/sh
# Fails when a tracked C++ file differs from what clang-format makes of it.
set -e
cd "$(dirname "$0")/.."
git ls-files -z '*.cc' '*.h' | xargs -0 clang-format --dry-run --Werror
