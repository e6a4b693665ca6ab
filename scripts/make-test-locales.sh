#!/bin/sh
# Generates the locales the conversion tests use (German: decimal comma,
# thousands dot; French: thousands separator U+202F). Needs root when they are
# missing; compiling into the locale archive is idempotent.
set -e
for locale in de_DE fr_FR; do
  if ! locale -a 2>/dev/null | grep -qx "$locale.utf8"; then
    localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
  fi
done
