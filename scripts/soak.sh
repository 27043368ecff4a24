#!/usr/bin/env bash
# The long soak on demand, under AddressSanitizer and UndefinedBehaviorSanitizer: a million
# random events through the main window's handlers for each seed, checked after every event.
#   scripts/soak.sh [SEED...]           default: three fresh seeds from the clock
#   MOSSALINE_SOAK_EVENTS=N scripts/soak.sh   N events per seed instead of a million
# A failure names its seed and event; the same seed and count replay it exactly.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MOSSALINE_SANITIZE_BUILD_DIR:-$root/build-sanitize}

"$root/scripts/install-deps.sh" play test
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMOSSALINE_TESTS=ON -DMOSSALINE_SANITIZE=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target soak_tests

seeds=("$@")
if [ ${#seeds[@]} -eq 0 ]; then
  now=$(date +%s)
  seeds=("$now" "$((now + 1))" "$((now + 2))")
fi
export MOSSALINE_SOAK_EVENTS=${MOSSALINE_SOAK_EVENTS:-1000000}
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:abort_on_error=1

failed=0
for seed in "${seeds[@]}"; do
  if ! MOSSALINE_SOAK_SEED=$seed "$build/soak_tests" --gtest_brief=1; then
    failed=1
  fi
done
exit "$failed"
