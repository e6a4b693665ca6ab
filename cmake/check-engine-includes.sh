#!/bin/sh
# check-engine-includes.sh FOLDER...
# Fails, naming each offending line, when a source in the folders includes a
# header of platform/, cli/ or window/: the engine reaches the system only
# through the seams it declares itself.
offending=$(grep -rnE --include='*.h' --include='*.cc' \
  '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<](platform|cli|window)/' "$@")
status=$?
if [ "$status" -eq 0 ]; then
  echo "The engine includes the systems' side or a front end:"
  echo "$offending"
  exit 1
fi
# grep found nothing (1), or could not read a folder (2).
[ "$status" -eq 1 ]
