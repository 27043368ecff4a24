#!/usr/bin/env bash
# `cmake --install` into a fresh prefix gives exactly the game's files, in the
# places a desktop looks for them, readable by everyone, and tied to nothing
# in the build tree.
# usage: install_layout_test.sh <build folder>
source "$(dirname "$0")/common.sh"
build=$(realpath "$1")

prefix="$scratch/prefix"
# Under the strictest umask, so the modes checked below are the rules' own.
(umask 077 && cmake --install "$build" --prefix "$prefix") >"$scratch/install.log" ||
  die "install failed: $(cat "$scratch/install.log")"
cd "$prefix"

# The command on the PATH leads, through a link relative to itself, to the
# program in a folder of its own inside the prefix.
[ -L bin/mossaline ] || die "bin/mossaline is not a symbolic link"
link=$(readlink bin/mossaline)
case "$link" in
  /*) die "bin/mossaline points to the absolute path $link; moving the prefix would break it" ;;
esac
program_dir=$(realpath -m --relative-to="$prefix" "bin/$(dirname "$link")")
case "$program_dir" in
  .. | ../* | bin) die "the program folder '$program_dir' must be a folder of its own inside the prefix" ;;
esac
[ "$(basename "$link")" = mossaline ] || fail "bin/mossaline points to $link, not to a program named mossaline"

expected=("bin/mossaline -> $link" "$program_dir/mossaline" "$program_dir/mossaline-finishes.bin")
for cue in "${CUE_NAMES[@]}"; do
  expected+=("$program_dir/sound/$cue")
done
expected+=(
  "share/applications/$APP_ID.desktop"
  "share/metainfo/$APP_ID.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$APP_ID.svg"
  "share/man/man6/mossaline.6.gz"
  "share/doc/mossaline/copyright"
)
for size in "${ICON_SIZES[@]}"; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$APP_ID.png")
done

# Exactly these files: no build tools, tests or stray generator output.
printf '%s\n' "${expected[@]}" | LC_ALL=C sort >"$scratch/expected"
file_listing . >"$scratch/installed"
if ! diff -u "$scratch/expected" "$scratch/installed" >"$scratch/diff"; then
  fail "installed files differ from the expected list (- missing, + unexpected):"
  cat "$scratch/diff" >&2
fi

program="$program_dir/mossaline"
if [ -f "$program" ]; then
  file -b "$program" | grep -q '^ELF .*executable' || fail "$program is not an ELF executable: $(file -b "$program")"
  # A search path into the build tree would load the build's libraries, or none once it is gone.
  if objdump -p "$program" | grep -E '^\s*(RPATH|RUNPATH)' | grep -qF "$build"; then
    fail "$program still searches the build tree for libraries: $(objdump -p "$program" | grep -E 'R(UN)?PATH')"
  fi
fi

# The cues are the ones the build made, byte for byte.
for cue in "${CUE_NAMES[@]}"; do
  installed_cue="$program_dir/sound/$cue"
  if [ -f "$installed_cue" ] && ! cmp -s "$installed_cue" "$build/sound/$cue"; then
    fail "$installed_cue differs from the build's $build/sound/$cue"
  fi
done

# Each icon is a picture of the size its folder promises.
for size in "${ICON_SIZES[@]}"; do
  icon="share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
  [ -f "$icon" ] || continue
  kind=$(file -b "$icon")
  case "$kind" in
    "PNG image data, $size x $size,"*) ;;
    *) fail "$icon is not a $size x $size PNG: $kind" ;;
  esac
done
svg="share/icons/hicolor/scalable/apps/$APP_ID.svg"
if [ -f "$svg" ] && ! file -b "$svg" | grep -q '^SVG'; then
  fail "$svg is not an SVG image: $(file -b "$svg")"
fi
man_page="share/man/man6/mossaline.6.gz"
if [ -f "$man_page" ] && ! zcat "$man_page" | grep -q '^\.TH MOSSALINE 6 '; then
  fail "$man_page is not the game's manual page"
fi

# Everyone may read everything and enter every folder; only the program runs.
while IFS= read -r path; do
  fail "folder $path has mode $(stat -c %a "$path"), not 755"
done < <(find . -type d ! -perm 755)
while IFS= read -r path; do
  want=644
  [ "$path" = "./$program" ] && want=755
  [ "$(stat -c %a "$path")" = "$want" ] || fail "$path has mode $(stat -c %a "$path"), not $want"
done < <(find . -type f)

finish
