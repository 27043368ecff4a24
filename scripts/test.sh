#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MOSSALINE_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh" play test
# One style for all of src/ and tests/, checked before anything is built.
"$root/scripts/check-format.sh"
# A sound server of the suite's own, so the cue player is tested against a real one.
source "$root/scripts/pulse-server.sh"
trap pulse_server_stop EXIT
pulse_server_start
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOSSALINE_TESTS=ON
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
"$root/scripts/test-sanitized.sh"
