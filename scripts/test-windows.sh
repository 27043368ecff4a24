#!/usr/bin/env bash
# Builds the Windows zip and installer and tests them under Wine: the suites that need no display
# server or sound server, cross-built and run under Wine (widget tests on Qt's offscreen
# platform); the zip's contents against the import tables; the unzipped program played under
# Wine on Xvfb with its cues heard at a private PulseAudio; and the installer, installed,
# played from its Start-menu entry and uninstalled.
set -euo pipefail
source "$(dirname "$0")/windows-env.sh"
"$root/scripts/build-windows.sh"
zip=$(ls -t "$out"/mossaline-*-win64.zip | head -n 1)
setup=${zip%.zip}-setup.exe

# GoogleTest for MinGW, from Debian's own googletest source, built once beside Qt.
gtest=$(dirname "$qt")/googletest-mingw
if [[ ! -f $gtest/.complete ]]; then
  cmake -S /usr/src/googletest -B "$out/googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/windows/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$gtest" >/dev/null
  cmake --build "$out/googletest" >/dev/null
  cmake --install "$out/googletest" >/dev/null
  touch "$gtest/.complete"
fi

# A Wine prefix of the tests' own, made once.
export WINEPREFIX=$out/wine WINEDEBUG=-all
if [[ ! -f $WINEPREFIX/.complete ]]; then
  rm -rf "$WINEPREFIX"
  env -u DISPLAY wineboot --init >/dev/null 2>&1
  wineserver --wait
  touch "$WINEPREFIX/.complete"
fi

tests=$out/tests
windows_configure "$tests" -DCMAKE_BUILD_TYPE=Release -DMOSSALINE_TESTS=ON \
  -DMOSSALINE_WINDOWS_ROOTS="$gtest" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$root/cmake/windows/wine-run.sh;$qt" \
  -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST
cmake --build "$tests"
# Wine's server and services start with the first program and outlive it; started here, apart,
# they hold none of ctest's pipes open (ctest would wait for them), and they go at the end.
wineserver -p 2>/dev/null || true  # already running: fine
trap 'wineserver -k 2>/dev/null || true' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1
# Four widget tests hold Debian's look: a reference image and text widths drawn with its fonts,
# and an image plug-in to do without (the Windows Qt has none). Under Wine, Qt's offscreen
# platform draws text with other fonts, so they run on Debian only.
readonly DEBIAN_LOOK='^(Form1Render\.MatchesTheReferenceImage|ResultLook\.CloseFaceIsTheWindowColour|Form1Startup\.ThePicturesAndTheIconAreReadWithoutTheImagePlugins|OptionsWidget\.ThePanelShowsEveryCaptionWholeOnItsBlackBackground)(\.scale2)?$'
QT_QPA_PLATFORM=offscreen ctest --test-dir "$tests" --output-on-failure -j "$(nproc)" -E "$DEBIAN_LOOK"

bash "$root/tests/windows/package_contents_test.sh" "$zip"

# The pixel probe and the test tones run here, natively.
cmake --build "$out/host" --target e2e_window_probe e2e_cue_tones >/dev/null
probe=$(find "$out/host" -type f -name e2e_window_probe -perm -u+x | head -n 1)
tones=$(find "$out/host" -type f -name e2e_cue_tones -perm -u+x | head -n 1)
bash "$root/tests/windows/wine_play_test.sh" "$zip" "$probe" "$tones" "$out/artifacts-wine-play"
bash "$root/tests/windows/wine_installer_test.sh" "$setup" "$zip" "$probe" "$out/artifacts-wine-installer"
