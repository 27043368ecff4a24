#!/usr/bin/env bash
# The real program under a private X server, played from the keyboard: two jumps made with
# the arrows, Space and Enter, taken back with Ctrl+Z and made again with Ctrl+Shift+Z and
# Ctrl+Y, then the right-click menu opened and its Undo chosen, and EXIT. The board is checked
# by pixel probes, the cues by the test tones read back from SDL's disk driver.
# Usage: keys_process_test.sh MOSSALINE WINDOW_PROBE CUE_TONES ARTIFACTS_DIR
set -euo pipefail

program=${1:?usage: keys_process_test.sh MOSSALINE WINDOW_PROBE CUE_TONES ARTIFACTS_DIR}
probe_tool=${2:?}
cue_tones=${3:?}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../e2e/e2e_session.sh"
source "$here/../e2e/e2e_cells.sh"

e2e_start_x "${4:?}" 1

readonly TITLE=(4200 300)   # Label3 "MOSSALINE": motion over it raises no event of the game
readonly EXIT=(8527 6067)   # Label1 (8160, 5880, 735, 375)

keys() { # key...
    timeout 10 xdotool key --clearmodifiers --delay 30 "$@" || e2e_fail "xdotool could not press $*"
}

e2e_start_game "$program" "$cue_tones"
form1=$(e2e_window Form1)
e2e_expect "start position" "$form1" "$(e2e_marble 4 2)" "$(e2e_marble 4 3)" "$(e2e_hole 4 4)"
# The pointer rests where it moves nothing, and the keyboard goes to the game's window.
e2e_move "$form1" "${TITLE[@]}"
timeout 10 xdotool windowfocus --sync "$form1" || e2e_fail "the window did not take the keyboard"

expected_cues=(chimeup)
# --- Down, Down, Enter from the start: (4,2) jumps over (4,3) into the centre.
keys Down Down Return
expected_cues+=(gain)
e2e_expect "Down, Down, Enter made no jump" "$form1" "$(e2e_hole 4 2)" "$(e2e_hole 4 3)" "$(e2e_marble 4 4)" "$(e2e_hover_ring 4 4)"
# --- Up to (4,0), Space picks it, Down twice and Enter jump it into (4,2).
keys Up Up Up Up space Down Down Return
expected_cues+=(normal gain)
e2e_expect "the second jump by keys" "$form1" "$(e2e_hole 4 0)" "$(e2e_hole 4 1)" "$(e2e_marble 4 2)" "$(e2e_hover_ring 4 2)"
# --- Both taken back, then made again by the two redo keys.
keys ctrl+z ctrl+z
expected_cues+=(loss loss)
e2e_expect "Ctrl+Z did not take back two jumps" "$form1" "$(e2e_marble 4 2)" "$(e2e_marble 4 3)" "$(e2e_hole 4 4)" "$(e2e_marble 4 0)"
keys ctrl+shift+z ctrl+y
expected_cues+=(gain gain)
e2e_expect "Ctrl+Shift+Z and Ctrl+Y did not redo them" "$form1" "$(e2e_hole 4 0)" "$(e2e_hole 4 1)" "$(e2e_marble 4 2)" \
    "$(e2e_hole 4 3)" "$(e2e_marble 4 4)"

# --- The right button makes no move (the cues would show one) and opens the menu, which
#     takes the next keys: Down, Return choose its first entry, Undo.
timeout 10 xdotool mousemove --window "$form1" "$(e2e_px "$(e2e_cell_x 6)")" "$(e2e_px "$(e2e_cell_y 4)")" click 3 || e2e_fail "no right click"
keys Down Return
expected_cues+=(loss)
e2e_expect "Undo from the menu" "$form1" "$(e2e_marble 4 0)" "$(e2e_marble 4 1)" "$(e2e_hole 4 2)"

# --- EXIT ends the program.
e2e_click "$form1" "${EXIT[@]}"
expected_cues+=(bird)
e2e_expect_exit "EXIT"

e2e_expect_heard "$cue_tones" "${expected_cues[@]}"
echo "${#expected_cues[@]} cues in order"
e2e_passed=yes
echo PASS
