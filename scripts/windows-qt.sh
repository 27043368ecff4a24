#!/usr/bin/env bash
# Builds Qt 6 for Windows (MinGW-w64) from Debian's own qt6-base source, once per
# machine, into a cache outside the source tree; prints the install prefix.
# Debian has no Qt for MinGW, but its source package is the very version of the
# host tools in qt6-base-dev-tools, which a cross build of Qt needs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${MOSSALINE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/mossaline-windows}

# Only the modules, plug-ins and features the game and its tests use: Core, Gui, Widgets, Test,
# the windows platform plug-in (the offscreen one for the widget suites), PNG and the bundled
# libraries; every third-party library is built in, so no Windows DLL of Debian's is needed.
options=(
  -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_tabletevent=OFF
  # Plug-ins the zip never ships: Direct2D (a second copy of the windows platform), the vista
  # style (the game draws with Fusion) and the image formats besides PNG.
  -DFEATURE_direct2d=OFF -DFEATURE_style_windowsvista=OFF
  # (Qt builds the DirectWrite 3 font database only with Direct2D, but links to it without.)
  -DFEATURE_directwrite3=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
  # Widgets, dialogs and document formats no window of ours shows or writes.
  -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF -DFEATURE_calendarwidget=OFF
  -DFEATURE_datetimeedit=OFF -DFEATURE_colordialog=OFF -DFEATURE_fontdialog=OFF
  -DFEATURE_filedialog=OFF -DFEATURE_fontcombobox=OFF -DFEATURE_wizard=OFF
  -DFEATURE_errormessage=OFF -DFEATURE_inputdialog=OFF -DFEATURE_progressdialog=OFF
  -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF -DFEATURE_keysequenceedit=OFF
  -DFEATURE_toolbox=OFF -DFEATURE_columnview=OFF -DFEATURE_datawidgetmapper=OFF
  -DFEATURE_splashscreen=OFF -DFEATURE_systemtrayicon=OFF -DFEATURE_sessionmanager=OFF
  -DFEATURE_undoview=OFF -DFEATURE_undogroup=OFF -DFEATURE_undostack=OFF -DFEATURE_undocommand=OFF
  -DFEATURE_syntaxhighlighter=OFF -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF
  -DFEATURE_textmarkdownwriter=OFF -DFEATURE_movie=OFF -DFEATURE_pdf=OFF
  # PCRE2 without its JIT: the JIT's per-thread stack is a C++ thread_local in Qt6Core whose
  # destructor MinGW's emulated thread-local storage runs as each thread ends, and that is where
  # the widget suites crashed under Wine (pcre2_jit_stack_free_16); without the JIT they do not.
  -DCMAKE_C_FLAGS=-DPCRE2_DISABLE_JIT
)

# A Qt is reused only when it was built from this very source with these very options.
source_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || echo unknown)
key=$(printf '%s\n' "$source_version" "${options[@]}" | sha256sum | cut -c1-12)
prefix=$cache/qt6-mingw-$key
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
mkdir -p "$cache"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

# A deb-src entry derived from the machine's own Debian entries: same mirror and
# suites, so no archive address is written here.
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
  src_list=/etc/apt/sources.list.d/mossaline-deb-src.sources
  tmp=$(mktemp)
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         $0 ~ /Types:[^\n]*deb/ && $0 ~ /URIs:[^\n]*debian/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f" >>"$tmp"
  done
  if [ -f /etc/apt/sources.list ]; then
    grep -E '^deb\s' /etc/apt/sources.list | sed -E 's/^deb(\s)/deb-src\1/' >"$tmp.list" || true
    [ -s "$tmp.list" ] && "${sudo_cmd[@]}" cp "$tmp.list" /etc/apt/sources.list.d/mossaline-deb-src.list
  fi
  [ -s "$tmp" ] && "${sudo_cmd[@]}" cp "$tmp" "$src_list"
  rm -f "$tmp" "$tmp.list"
  "${sudo_cmd[@]}" apt-get update -qq
fi

src=$cache/source
if [ ! -d "$src/qtbase" ] || [ "$(cat "$src/version" 2>/dev/null)" != "$source_version" ]; then
  rm -rf "$src" && mkdir -p "$src"
  (cd "$src" && apt-get source -qq qt6-base >/dev/null 2>&1 && mv "$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)" qtbase)
  echo "$source_version" >"$src/version"
fi

build=$cache/qtbase-build
rm -rf "$build"
cmake -S "$src/qtbase" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/windows/mingw-w64-x86_64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${options[@]}" >"$cache/configure.log" 2>&1 \
  || { tail -n 40 "$cache/configure.log" >&2; exit 1; }
cmake --build "$build" >"$cache/build.log" 2>&1 || { tail -n 40 "$cache/build.log" >&2; exit 1; }
cmake --install "$build" >/dev/null
rm -rf "$build"
printf '%s\n' "${options[@]}" >"$prefix/configure-options.txt"
touch "$prefix/.complete"
echo "$prefix"
