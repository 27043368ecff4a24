#!/usr/bin/env bash
# Builds MOSSALINE for 64-bit Windows on Debian and makes the portable zip:
#   build-windows/mossaline-<version>-win64.zip
# The first run on a machine also builds Qt for Windows into a cache (scripts/windows-qt.sh).
set -euo pipefail
source "$(dirname "$0")/windows-env.sh"

game=$out/game
windows_configure "$game" -DCMAKE_BUILD_TYPE=Release -DMOSSALINE_TESTS=OFF
cmake --build "$game"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$game/CMakeCache.txt")
"$root/scripts/package-windows.sh" "$game" "$qt" "$out/mossaline-$version-win64.zip"
