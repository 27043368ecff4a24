#!/usr/bin/env bash
# An installation moved elsewhere as a whole still starts from the PATH, shows
# its main window and plays its own start cue; the cues come from the folder
# beside the installed program and nowhere else.
# usage: relocated_install_test.sh <build folder> <cue output checker>
source "$(dirname "$0")/common.sh"
build=$(realpath "$1")
CUE_CHECK=$(realpath "$2")
[ -x "$CUE_CHECK" ] || die "no cue output checker at $2"

cmake --install "$build" --prefix "$scratch/installed/usr" >"$scratch/install.log" ||
  die "install failed: $(cat "$scratch/install.log")"
# Deeper than before and with a space in it, so nothing that remembered the
# old place, or split a path, can still work by chance.
moved="$scratch/moved away/to/here"
mkdir -p "$(dirname "$moved")"
mv "$scratch/installed" "$moved"
prefix="$moved/usr"
program=$(realpath "$prefix/bin/mossaline") || die "the launcher no longer leads anywhere after the move"
case "$program" in
  "$prefix"/*) ;;
  *) die "after the move the launcher leads out of the installation, to $program" ;;
esac
sound_folder="$(dirname "$program")/sound"
[ -f "$sound_folder/chimeup.wav" ] || die "the installation has no $sound_folder/chimeup.wav"
# Started from an empty folder: a game that looked for its cues where it was
# started would find none there.
elsewhere="$scratch/elsewhere"
mkdir -p "$elsewhere"
output="$scratch/sound-output.raw"

start_x_server
start_game "$elsewhere" "$output" env PATH="$prefix/bin:$PATH" mossaline
[ "$(game_executable)" = "$program" ] ||
  fail "the command mossaline on the PATH ran $(game_executable), not the moved installation's $program"
# Desktops match a window to its entry by the window's class.
wm_class=$(xprop -id "$game_window" WM_CLASS)
startup_class=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/$APP_ID.desktop")
case "$wm_class" in
  *"\"$startup_class\""*) ;;
  *) fail "the window's $wm_class does not name the desktop entry's StartupWMClass '$startup_class'" ;;
esac
expect_first_cue "$output" "$sound_folder/chimeup.wav"
stop_game

# Without the folder beside the program the game falls back to its default
# tone, which shows the cue above really came from that folder.
mv "$sound_folder" "$sound_folder.away"
start_game "$elsewhere" "$output" env PATH="$prefix/bin:$PATH" mossaline
expect_first_cue "$output" --default-tone
stop_game

finish
