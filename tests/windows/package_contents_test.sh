#!/usr/bin/env bash
# The Windows zip holds exactly what the program needs: every DLL that the program, its platform
# plug-in or a shipped DLL imports is in the zip or is the system's own (in Wine's system32),
# every shipped DLL is imported by something shipped, and besides them only the nine cues, the
# hint's table of finishes, README and LICENSE. Import tables are read with objdump.
# Usage: package_contents_test.sh ZIP   (WINEPREFIX set by the caller, its prefix made)
set -euo pipefail
zip=${1:?usage: package_contents_test.sh ZIP}
system32=${WINEPREFIX:?}/drive_c/windows/system32
[[ -d $system32 ]] || { echo "FAIL: no Wine prefix at $WINEPREFIX" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
top=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
cd "$top"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

declare -A shipped=() imported=()
while IFS= read -r dll; do shipped[$(basename "${dll,,}")]=$dll; done < <(find . -iname '*.dll')
while IFS= read -r file; do
  while IFS= read -r dll; do
    key=${dll,,}
    imported[$key]=1
    [[ -n ${shipped[$key]:-} ]] && continue
    # API sets are names the loader maps onto the system's own DLLs; no file carries them.
    [[ $key == api-ms-win-* || $key == ext-ms-win-* ]] && continue
    [[ -n $(find "$system32" -maxdepth 1 -iname "$dll" -print -quit) ]] || fail "$file imports $dll, which is neither in the zip nor the system's"
  done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p')
done < <(find . -iname '*.exe' -o -iname '*.dll')

for key in "${!shipped[@]}"; do
  [[ ${shipped[$key]} == ./platforms/qwindows.dll ]] && continue
  [[ -n ${imported[$key]:-} ]] || fail "${shipped[$key]} is in the zip but nothing imports it"
done
[[ -f ./platforms/qwindows.dll ]] || fail "the platform plug-in platforms/qwindows.dll is missing"
[[ -s ./mossaline-finishes.bin ]] || fail "the hint's table of finishes is missing"
for cue in chimeup gain loss normal ringin bird 1 2 yahoo; do
  [[ -f sound/$cue.wav ]] || fail "sound/$cue.wav is missing"
done
while IFS= read -r file; do
  case $file in
    ./mossaline.exe | ./mossaline-finishes.bin | ./README.md | ./LICENSE | ./sound/*.wav | *.dll | *.DLL) ;;
    *) fail "unexpected file $file" ;;
  esac
done < <(find . -type f)
(( $(find ./sound -type f | wc -l) == 9 )) || fail "the sound folder holds other files than the nine cues"

(( failures == 0 )) || exit 1
echo "PASS: $zip holds mossaline.exe, ${#shipped[@]} DLLs (all imported, none missing), the nine cues, the table of finishes, README and LICENSE"
