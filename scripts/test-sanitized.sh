#!/usr/bin/env bash
# Builds the whole tree with AddressSanitizer and UndefinedBehaviorSanitizer in its own folder
# and runs the whole test suite on it: the game core, the window models, the widget tests
# offscreen, the sound, and the real program under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MOSSALINE_SANITIZE_BUILD_DIR:-$root/build-sanitize}
jobs=$(nproc)

"$root/scripts/install-deps.sh" play test
# The sound tests play to a real sound server: test.sh's, or one of this run's own.
if [[ -z ${PULSE_SERVER:-} ]]; then
  source "$root/scripts/pulse-server.sh"
  trap pulse_server_stop EXIT
  pulse_server_start
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMOSSALINE_TESTS=ON -DMOSSALINE_SANITIZE=ON
cmake --build "$build" -j "$jobs"

# Reports from the system's own libraries are suppressed only with a reason written beside
# each (scripts/sanitizers/); the one report suppressed in our own code is in docs/sanitizers.md.
supp=$root/scripts/sanitizers
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:suppressions=$supp/asan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:abort_on_error=1
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 900 "$@"
