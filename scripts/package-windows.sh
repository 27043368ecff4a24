#!/usr/bin/env bash
# Makes the portable Windows zip from a cross build: the program, exactly the DLLs it loads
# (found by reading import tables, the program's and then each DLL's, until nothing new comes),
# the Qt platform plug-in, the sound folder, the hint's table of finishes, README and LICENSE. Everything is stripped.
# Beside it, the installer of the same files (packaging/windows/mossaline.nsi): ZIP_PATH with
# -setup.exe for .zip.
# Usage: package-windows.sh GAME_BUILD_DIR QT_PREFIX ZIP_PATH
set -euo pipefail
game=${1:?usage: package-windows.sh GAME_BUILD_DIR QT_PREFIX ZIP_PATH}
qt=${2:?}
zip_path=${3:?}
root=$(cd "$(dirname "$0")/.." && pwd)
triple=x86_64-w64-mingw32
name=$(basename "$zip_path" .zip)
stage=$(dirname "$zip_path")/stage
rm -rf "$stage" "$zip_path"
mkdir -p "$stage/$name/platforms"
folder=$stage/$name

# Where a DLL may come from: the Windows Qt, then the compiler's runtime. A DLL found in
# neither is the system's own (kernel32, user32, winmm ...) and stays out of the zip.
runtime_dirs=("$qt/bin" "$(dirname "$($triple-g++-posix -print-libgcc-file-name)")" "/usr/$triple/lib")

imported_dlls() { # pe_file
  "$triple-objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'
}

find_dll() { # name: prints its path when it is ours to ship
  local dir hit
  for dir in "${runtime_dirs[@]}"; do
    hit=$(find "$dir" -maxdepth 1 -iname "$1" -print -quit 2>/dev/null)
    [[ -n $hit ]] && { echo "$hit"; return 0; }
  done
  return 1
}

cp "$game/mossaline.exe" "$folder/"
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp -r "$game/sound" "$folder/sound"
cp "$game/mossaline-finishes.bin" "$folder/"
cp "$root/README.md" "$root/LICENSE" "$folder/"

declare -A shipped=()
queue=("$folder/mossaline.exe" "$folder/platforms/qwindows.dll")
while ((${#queue[@]})); do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  while IFS= read -r dll; do
    key=${dll,,}
    [[ -n ${shipped[$key]:-} ]] && continue
    if path=$(find_dll "$dll"); then
      shipped[$key]=$path
      cp "$path" "$folder/"
      queue+=("$folder/$(basename "$path")")
    fi
  done < <(imported_dlls "$file")
done

find "$folder" -iname '*.exe' -o -iname '*.dll' | while IFS= read -r file; do
  "$triple-strip" --strip-unneeded "$file"
done
(cd "$stage" && zip -qr -X "$zip_path" "$name")
echo "$zip_path: $(du -k "$zip_path" | cut -f1) KiB, ${#shipped[@]} DLLs besides the platform plug-in"

# The installer names every file it installs, so its uninstaller removes exactly those.
setup_path=${zip_path%.zip}-setup.exe
lists=$stage/lists
mkdir -p "$lists"
to_windows() { echo "${1//\//\\}"; }
(
  cd "$folder"
  find . -type d | sort | while IFS= read -r dir; do
    echo "SetOutPath \"\$INSTDIR$(to_windows "${dir#.}")\""
    find "$dir" -maxdepth 1 -type f | sort | while IFS= read -r file; do
      echo "File \"$folder/${file#./}\""
    done
  done >"$lists/install-files.nsh"
  # Folders deepest first, once their files are gone.
  {
    find . -type f | sort | while IFS= read -r file; do echo "Delete \"\$INSTDIR$(to_windows "${file#.}")\""; done
    find . -mindepth 1 -type d | sort -r | while IFS= read -r dir; do echo "RMDir \"\$INSTDIR$(to_windows "${dir#.}")\""; done
  } >"$lists/uninstall-files.nsh"
)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$game/CMakeCache.txt")
icon=$(find "$game" -name mossaline.ico -print -quit)
makensis -V2 -DVERSION="$version" -DFILES="$folder" -DLISTS="$lists" \
  -DSIZE_KB="$(du -sk --apparent-size "$folder" | cut -f1)" -DICON="$icon" -DOUTFILE="$setup_path" \
  "$root/packaging/windows/mossaline.nsi" >/dev/null
rm -rf "$stage"
echo "$setup_path: $(du -k "$setup_path" | cut -f1) KiB"
