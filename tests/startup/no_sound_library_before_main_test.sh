#!/usr/bin/env bash
# The sound libraries and what they pull in cost every start-up several milliseconds
# before main; the program opens them itself, beside its own start-up, and must not
# name them as libraries to load first.
set -euo pipefail
program=$1
needed=$(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }')
echo "NEEDED: $(echo $needed)"
if grep -E '^lib(SDL2|pulse)' <<<"$needed"; then
  echo "FAIL: the program is linked to a sound library, loaded before main" >&2
  exit 1
fi
echo PASS
