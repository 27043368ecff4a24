#!/usr/bin/env bash
# The real program under a private X server, played from the start to its end by the hint
# key and Enter alone: 43 jumps, then the report with its cheer, which rates one marble.
# The cues are read back from SDL's disk driver: 43 jumps and the cheer, nothing refused.
# Usage: hint_process_test.sh MOSSALINE WINDOW_PROBE CUE_TONES ARTIFACTS_DIR
set -euo pipefail

program=${1:?usage: hint_process_test.sh MOSSALINE WINDOW_PROBE CUE_TONES ARTIFACTS_DIR}
probe_tool=${2:?}
cue_tones=${3:?}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../e2e/e2e_session.sh"
source "$here/../e2e/e2e_cells.sh"

e2e_start_x "${4:?}" 1

readonly TITLE=(4200 300) # motion over the title raises no event of the game
keys() { timeout 30 xdotool key --clearmodifiers --delay 30 "$@" || e2e_fail "xdotool could not press $*"; }

e2e_start_game "$program" "$cue_tones"
form1=$(e2e_window Form1)
e2e_expect "start position" "$form1" "$(e2e_marble 4 3)" "$(e2e_hole 4 4)"
e2e_move "$form1" "${TITLE[@]}"
timeout 10 xdotool windowfocus --sync "$form1" || e2e_fail "the window did not take the keyboard"

# The first answer comes from the search's own thread; every later one follows its line.
keys h
sleep 2
keys Return
expected_cues=(chimeup gain)
for _ in $(seq 42); do
    keys h Return
    expected_cues+=(gain)
done
expected_cues+=(yahoo)
e2e_window Form2 >/dev/null
e2e_snapshot "$form1" end
# EXIT, so the recording is complete when it is read.
e2e_click "$form1" 8527 6067
expected_cues+=(bird)
e2e_expect_exit "EXIT"

e2e_expect_heard "$cue_tones" "${expected_cues[@]}"
echo "${#expected_cues[@]} cues in order: 43 jumps and the cheer for one marble"
e2e_passed=yes
echo PASS
