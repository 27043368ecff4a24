#!/usr/bin/env bash
# Builds the tests that need no display with AddressSanitizer and UndefinedBehaviorSanitizer
# in their own tree and runs them: the game core, the window models, the soak and the sound.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MOSSALINE_SANITIZE_BUILD_DIR:-$root/build-sanitize}
jobs=$(nproc)

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMOSSALINE_TESTS=ON -DMOSSALINE_SANITIZE=ON

# Only test programs without windows; the Qt views and the game itself are not built here.
wanted='^(game_tests|ui_model_tests|[a-z]+_model_tests|soak_tests|cue_cost_tests|sound_tests|solver_tests)$'
mapfile -t targets < <(ninja -C "$build" -t targets all | sed -n 's/^\([A-Za-z0-9_]*\): CXX_EXECUTABLE_LINKER.*/\1/p' |
  grep -E "$wanted" | sort -u)
if [ ${#targets[@]} -eq 0 ]; then
  echo "test-sanitized: no test targets found" >&2
  exit 1
fi
echo "test-sanitized: ${targets[*]}"
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

# ctest would also list the tests of the programs not built here, so the run gets a test
# file of its own that takes in only the tests discovered for the programs just built.
run="$build/sanitized-run"
mkdir -p "$run"
{
  echo "# Written by scripts/test-sanitized.sh"
  for target in "${targets[@]}"; do
    find "$build" -name "${target}\[*\]_include.cmake" -printf 'include("%p")\n'
  done
} >"$run/CTestTestfile.cmake"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:abort_on_error=1
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
ctest --test-dir "$run" --output-on-failure -j "$jobs" --timeout 900 "$@"
