#!/usr/bin/env bash
# Without a reachable desktop the game says so in one line and ends with status 1,
# rather than the toolkit's plugin advice and an abort with a core dump.
set -euo pipefail
game=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

expect_one_clear_line() { # name, then the environment to run in
  local name=$1
  shift
  local status=0
  (cd "$scratch" && ulimit -c unlimited && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" \
    SDL_AUDIODRIVER=dummy timeout 20 "$game" >"$scratch/out" 2>"$scratch/err") || status=$?
  local lines
  lines=$(wc -l <"$scratch/err")
  if [[ $status -ne 1 ]]; then
    echo "FAIL $name: exit status $status, expected 1"; failures=$((failures + 1))
  fi
  if [[ $lines -ne 1 ]] || ! grep -q '^mossaline: needs a graphical desktop' "$scratch/err"; then
    echo "FAIL $name: standard error was:"; cat "$scratch/err"; failures=$((failures + 1))
  fi
  if compgen -G "$scratch/core*" >/dev/null; then
    echo "FAIL $name: left a core dump"; failures=$((failures + 1))
  fi
  echo "$name: status $status: $(cat "$scratch/err")"
}

expect_one_clear_line "nothing set"
grep -q 'DISPLAY' "$scratch/err" || { echo "FAIL: the reason does not name the variables"; failures=$((failures + 1)); }
# A display that names no running server: the reason is the toolkit's own.
display=4242
while [[ -e /tmp/.X11-unix/X$display ]]; do display=$((display + 1)); done
expect_one_clear_line "unreachable display" DISPLAY=":$display"
grep -q ":$display" "$scratch/err" || { echo "FAIL: the reason does not name the display"; failures=$((failures + 1)); }
exit $((failures > 0))
