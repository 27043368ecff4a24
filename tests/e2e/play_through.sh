#!/usr/bin/env bash
# A player's whole session on the built program, under a private X server, with real X
# pointer events: hover, a first move, a refused jump, a plain click, the options panel with
# "Show possible moves" and a colour button, RESTART, a game played to one marble with the
# report window, its "Close", and EXIT ending the process with status 0. The screen is checked
# by pixel probes at places the window's design fixes; the sound by giving every cue a tone
# of its own and reading the tones back from what SDL's disk driver wrote.
# Usage: play_through.sh MOSSALINE WINDOW_PROBE CUE_TONES SCALE ARTIFACTS_DIR
set -euo pipefail

program=${1:?usage: play_through.sh MOSSALINE WINDOW_PROBE CUE_TONES SCALE ARTIFACTS_DIR}
probe_tool=${2:?}
cue_tones=${3:?}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/e2e_session.sh"
source "$here/e2e_board.sh"
source "$here/e2e_cells.sh"

e2e_start_x "${5:?}" "${4:?}"
started=$(date +%s%N)

# Colours as RRGGBB.
readonly BOARD=FFC080 GREY=808080 LIGHT_YELLOW=FFFFC0 HOVER=FFFF00 BLACK=000000
readonly GREEN=008000 REPORT=C0C0FF

# Places in twips of the main window, inside each control's design box.
readonly OPTIONS=(8527 1387)         # Check1 (7800, 1200, 1455, 375)
readonly SHOW_MOVES=(7665 2167)      # Check2 (120, 360, 1935, 255) in Frame1 at (7440, 1680), on its mark
readonly OPTION5=(7807 4687)         # Option5 (240, 2880, 255, 255) in Frame1
readonly PLAY_SOUND_GROUND=(9260 3262) # Check5 (120, 1395, 1815, 375) in Frame1, right of its caption
readonly RESTART=(8527 5407)         # Label2 (7800, 5160, 1455, 495)
readonly EXIT=(8527 6067)            # Label1 (8160, 5880, 735, 375)
readonly BOARD_DISC=(2300 2000)      # Shape1, clear of every hole
readonly CLOSE=(2287 2827)           # the report's Command1 (1800, 2640, 975, 375)

expected_cues=(chimeup)
hover_column=-1
hover_row=-1
click_pending=no

# Moves the pointer onto a cell, clicking there if asked, and waits until the hover marker
# stands on the cell. Events are handled in order, so once it does, every click sent before
# has been handled, its cue included. (Two pointer motions must never wait in the queue
# together: Qt would merge them and the click between would land on the later place.)
point_at_cell() { # column row click(yes|no)
    local c=$1 r=$2 click=$3
    if (( c == hover_column && r == hover_row )) && [[ $click_pending == yes ]]; then
        e2e_fail "scenario error: nothing would show that the click on ($c,$r) has been handled"
    fi
    if [[ $click == yes ]]; then
        e2e_click_cell "$form1" "$c" "$r"
    else
        e2e_move_cell "$form1" "$c" "$r"
    fi
    e2e_expect "the hover marker did not follow the pointer to ($c,$r)" "$form1" "$(e2e_hover_ring "$c" "$r")"
    hover_column=$c
    hover_row=$r
    click_pending=$click
}

hover_cell() { # column row
    point_at_cell "$1" "$2" no
}

# A click on a cell; sets REPLY to the cue it must sound.
click_cell() { # column row
    point_at_cell "$1" "$2" yes
    board_click "$1" "$2"
    expected_cues+=("$REPLY")
}

# The click that ends the game: the report window comes up over the board at once, so the
# hover marker cannot be watched; the report itself shows that the click was handled.
click_last_cell() { # column row
    e2e_click_cell "$form1" "$1" "$2"
    click_pending=yes
    board_click "$1" "$2"
    expected_cues+=("$REPLY")
}

board_reset
e2e_start_game "$program" "$cue_tones"
form1=$(e2e_window Form1)

# --- The window as designed, at the requested scale: 658 by 445 logical pixels.
e2e_expect "start position" "$form1" \
    "board@${BOARD_DISC[0]},${BOARD_DISC[1]}=$BOARD" "$(e2e_marble 2 4 $GREY)" "$(e2e_marble 4 6 $GREY)" "$(e2e_hole 4 4 $BOARD)" \
    "hover(4,2)@4207,2070=$HOVER" "panel-closed@${OPTION5[0]},${OPTION5[1]}=$BLACK"
geometry=$(xdotool getwindowgeometry "$form1" | sed -n 's/.*Geometry: *//p')
[[ $geometry == "$((658 * scale))x$((445 * scale))" ]] || e2e_fail "window is $geometry device pixels at scale $scale"
e2e_snapshot "$form1" start
if (( scale > 1 )); then
    # The title label, drawn at the device's own resolution rather than blown up.
    "$probe_tool" sharp "$form1" "$scale" 3240 120 1935 375 FFFF00 || e2e_fail "the window is not sharp at scale $scale"
fi

# --- Hover: the marker leaves its design place for the cell under the pointer.
hover_cell 6 4
e2e_expect "hover marker left its start place" "$form1" "hover-gone@4207,2070!=$HOVER"

# --- First move: before any click the marker stands on (4,2), so a click on the centre
#     jumps that marble over (4,3) into it.
click_cell 4 4
[[ $REPLY == gain ]] || e2e_fail "scenario error: the first click is no jump"
hover_cell 2 4
e2e_expect "first move on screen" "$form1" "$(e2e_marble 4 4 $GREY)" "$(e2e_hole 4 2 $BOARD)" "$(e2e_hole 4 3 $BOARD)"

# --- A refused jump (onto a marble two away), then a click on a neighbour (no line).
click_cell 2 4
[[ $REPLY == loss ]] || e2e_fail "scenario error: expected a refused jump"
click_cell 2 3
[[ $REPLY == normal ]] || e2e_fail "scenario error: expected a plain click"
hover_cell 6 3
e2e_expect "the refused jump changed the board" "$form1" "$(e2e_marble 2 4 $GREY)" "$(e2e_marble 3 4 $GREY)" "$(e2e_hole 4 3 $BOARD)"

# --- Options: open the panel, show the possible moves, pick the green board.
e2e_click "$form1" "${OPTIONS[@]}"
# The style shades a button's face, so the panel is seen by its buttons on the black ground.
e2e_expect "the options panel did not open" "$form1" "colour-button-5@${OPTION5[0]},${OPTION5[1]}!=$BLACK" \
    "play-sound-ground@${PLAY_SOUND_GROUND[0]},${PLAY_SOUND_GROUND[1]}=$BLACK"
e2e_click "$form1" "${SHOW_MOVES[@]}"
# After (4,2) jumped into the centre, the marbles of (4,0), (2,3), (6,3) and (4,5) can move.
e2e_expect "\"Show possible moves\" did not mark the movable marbles" "$form1" \
    "$(e2e_marble 4 0 $LIGHT_YELLOW)" "$(e2e_marble 4 5 $LIGHT_YELLOW)" "$(e2e_marble 2 3 $LIGHT_YELLOW)" \
    "$(e2e_marble 2 4 $GREY)" "$(e2e_marble 6 4 $GREY)" "$(e2e_marble 4 4 $GREY)"
e2e_click "$form1" "${OPTION5[@]}"
e2e_expect "the colour button did not recolour the board" "$form1" "board@${BOARD_DISC[0]},${BOARD_DISC[1]}=$GREEN"
e2e_snapshot "$form1" options

# --- RESTART: the start position again, marked because "Show possible moves" stays on.
e2e_click "$form1" "${RESTART[@]}"
board_reset
expected_cues+=(normal ringin ringin)
e2e_expect "RESTART did not bring back the start position" "$form1" \
    "$(e2e_marble 4 2 $LIGHT_YELLOW)" "$(e2e_marble 2 4 $LIGHT_YELLOW)" "$(e2e_marble 4 3 $GREY)" "$(e2e_hole 4 4 $GREEN)" \
    "board@${BOARD_DISC[0]},${BOARD_DISC[1]}=$GREEN"

# --- A game to one marble, jump by jump (from,to as column,row). A jump costs two clicks,
#     the marble and then its landing hole, unless the marker already stands on the marble.
readonly GAME=(
    2,4:4,4 0,4:2,4 3,2:3,4 3,4:1,4 1,3:3,3 1,5:1,3 0,3:2,3 3,0:3,2 3,2:3,4 3,5:1,5 0,5:2,5
    3,7:3,5 3,5:1,5 4,4:2,4 2,3:2,5 1,5:3,5 4,2:4,4 4,0:4,2 4,5:4,3 4,2:4,4 5,6:3,6 3,5:3,7
    3,8:3,6 4,8:4,6 5,8:5,6 5,5:5,7 3,6:5,6 5,3:5,5 7,3:5,3 5,2:5,4 5,0:5,2 6,5:6,3 4,4:6,4
    8,5:6,5 5,5:7,5 5,7:5,5 8,3:8,5 8,5:6,5 5,5:7,5 7,5:7,3 7,3:5,3 5,2:5,4 5,4:7,4
)
clicks=0
for (( move = 0; move < ${#GAME[@]}; ++move )); do
    jump=${GAME[move]}
    IFS=',:' read -r fc fr tc tr <<<"$jump"
    if (( fc != marker_column || fr != marker_row )); then
        click_cell "$fc" "$fr"
        clicks=$((clicks + 1))
    fi
    if (( move == ${#GAME[@]} - 1 )); then click_last_cell "$tc" "$tr"; else click_cell "$tc" "$tr"; fi
    clicks=$((clicks + 1))
    [[ $REPLY == gain ]] || e2e_fail "scenario error: $jump is no jump on the model's board"
done
(( marbles == 1 )) || e2e_fail "scenario error: the game leaves $marbles marbles"
# One marble left rates "are Genious.", which cheers.
expected_cues+=(yahoo)

# --- The report: shown once no move is left, closed by its own button.
form2=$(e2e_window Form2)
e2e_expect "the report window" "$form2" "report@200,2400=$REPORT" "report@4300,300=$REPORT"
e2e_snapshot root report
e2e_click "$form2" "${CLOSE[@]}"
e2e_window_gone Form2
hover_cell 4 0
e2e_expect "the end position" "$form1" "$(e2e_marble 7 4 $GREY)" "$(e2e_hole 6 4 $GREEN)" "$(e2e_hole 4 4 $GREEN)" "$(e2e_hole 4 2 $GREEN)"

# --- EXIT: the farewell cue, then the process ends by itself with status 0.
e2e_click "$form1" "${EXIT[@]}"
expected_cues+=(bird)
e2e_expect_exit "EXIT"

# --- The cues, in order. Timer2's ambient cues 1 and 2 come at random moments and are
#     counted, not asserted.
"$cue_tones" read "$recording" >"$artifacts/heard.txt" || e2e_fail "cannot read the recording"
mapfile -t heard < <(grep -v -x -e 1 -e 2 "$artifacts/heard.txt" || true)
ambient=$(grep -c -x -e 1 -e 2 "$artifacts/heard.txt" || true)
printf '%s\n' "${expected_cues[@]}" >"$artifacts/expected.txt"
if [[ "${heard[*]}" != "${expected_cues[*]}" ]]; then
    diff "$artifacts/expected.txt" <(printf '%s\n' "${heard[@]}") | head -n 40 >&2 || true
    e2e_fail "the cues heard differ from the cues due (expected.txt, heard.txt in $artifacts)"
fi

elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
echo "scale $scale: ${#expected_cues[@]} cues in order, $clicks clicks in the game, $ambient ambient tones, ${elapsed} ms"
e2e_passed=yes
echo PASS
