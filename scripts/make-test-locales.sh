#!/bin/sh
# Generates the locales the conversion tests use: German (decimal comma,
# thousands dot) and French (thousands separator U+202F) in UTF-8, and French
# in its legacy sets ISO-8859-1 and ISO-8859-15 (thousands separator 0xA0).
# Needs root when they are missing; compiling into the locale archive is
# idempotent.
set -e
# make_locale LISTED SOURCE CHARSET NAME: makes NAME, which `locale -a`
# lists as LISTED, from SOURCE in CHARSET.
make_locale() {
  if ! locale -a 2>/dev/null | grep -qx "$1"; then
    localedef -i "$2" -f "$3" "$4"
  fi
}
make_locale de_DE.utf8 de_DE UTF-8 de_DE.UTF-8
make_locale fr_FR.utf8 fr_FR UTF-8 fr_FR.UTF-8
make_locale fr_FR fr_FR ISO-8859-1 fr_FR
make_locale fr_FR@euro fr_FR@euro ISO-8859-15 fr_FR@euro
