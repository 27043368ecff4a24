# Sourced by build-windows.sh and test-windows.sh: installs what is missing, makes sure Qt for
# Windows is in its cache, builds the generators natively, and defines windows_configure.
# Sets: root, out (build-windows/), qt (the Windows Qt's prefix).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${MOSSALINE_WINDOWS_BUILD_DIR:-$root/build-windows}
"$root/scripts/install-deps.sh" play test windows
qt=$("$root/scripts/windows-qt.sh")
mkdir -p "$out"

# The pictures and cues are made by generators that must run here, so they are built natively.
cmake -S "$root" -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMOSSALINE_TESTS=ON >/dev/null
cmake --build "$out/host" --target mossaline_asset_generator mossaline_make_sounds mossaline_make_finish_table >/dev/null
mkdir -p "$out/host-tools"
for tool in mossaline_asset_generator mossaline_make_sounds mossaline_make_finish_table; do
  cp "$(find "$out/host" -type f -name "$tool" -perm -u+x | head -n 1)" "$out/host-tools/$tool"
done

# Configures a cross build of this tree with the Windows Qt; further arguments go to CMake.
windows_configure() { # build_dir cmake_args...
  local dir=$1
  shift
  "$qt/bin/qt-cmake" -S "$root" -B "$dir" -G Ninja \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/windows/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DMOSSALINE_HOST_TOOLS="$out/host-tools" "$@" >/dev/null
}
