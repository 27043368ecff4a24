#!/usr/bin/env bash
# Makes the portable Windows zip from a cross build: the program, exactly the DLLs it loads
# (found by reading import tables, the program's and then each DLL's, until nothing new comes),
# the Qt platform plug-in, the sound folder, the hint's table of finishes, README and LICENSE. Everything is stripped.
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
rm -rf "$stage"
echo "$zip_path: $(du -k "$zip_path" | cut -f1) KiB, ${#shipped[@]} DLLs besides the platform plug-in"
