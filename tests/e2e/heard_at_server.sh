#!/usr/bin/env bash
# A short game on the built program as a desktop plays it: its sound goes to the sound server
# (PULSE_SERVER, the private one scripts/test.sh starts), not to a driver of the test's choice,
# and what the server played is recorded from its sink's monitor. Every cue must be heard, in
# order, and each about as long as its file: the start cue, a jump, a click on the marker's
# own cell, a refused jump, RESTART's three cues and EXIT's, played just before the end.
# Usage: heard_at_server.sh MOSSALINE WINDOW_PROBE CUE_TONES MONITOR_RECORD ARTIFACTS_DIR
set -euo pipefail

program=${1:?usage: heard_at_server.sh MOSSALINE WINDOW_PROBE CUE_TONES MONITOR_RECORD ARTIFACTS_DIR}
probe_tool=${2:?}
cue_tones=${3:?}
monitor_record=${4:?}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [[ -z ${PULSE_SERVER:-} ]]; then
    echo "PULSE_SERVER is not set: scripts/test.sh starts the sound server this test plays to"
    exit 77
fi
# Each cue holds the game for as long as the server takes to play it, two seconds and more
# here (see the recorder below), so the window is given longer to show a click handled.
PROBE_TIMEOUT_MS=30000
source "$here/e2e_session.sh"
source "$here/e2e_board.sh"
e2e_start_x "${5:?}" 1

# Tones three standard lengths long (about 156 ms), as long as the game's own short cues, so
# a cue cut at its start or its end is seen in its length.
readonly LENGTHS=3
# How far a cue's length as heard may stray from its file's: the analysis sees sound in
# steps of 6 ms at either end, and the server starts a stream on its own period.
readonly LENGTH_SLACK_MS=30
readonly TONE_MS=$(( 2304 * LENGTHS * 1000 / 44100 ))

readonly RESTART=(8527 5407) # Label2 (7800, 5160, 1455, 495)
readonly EXIT=(8527 6067)    # Label1 (8160, 5880, 735, 375)

# The recorder takes what the server plays in pieces of two seconds, as a client that asks for
# no short latency does: the sink then runs at its longest latency and renders far ahead, and
# it tells a new stream less than it holds. A player that ends its cue by that figure takes the
# stream away before the sink has played it, and the cue is lost.
heard=$work/heard.raw
"$monitor_record" "$heard" 2000 >"$work/recorder.out" 2>"$artifacts/recorder.log" &
recorder_pid=$!
for _ in $(seq 100); do
    grep -q recording "$work/recorder.out" 2>/dev/null && break
    kill -0 "$recorder_pid" 2>/dev/null || e2e_fail "the monitor could not be recorded: $(cat "$artifacts/recorder.log")"
    sleep 0.1
done
grep -q recording "$work/recorder.out" || e2e_fail "the monitor's samples did not flow within 10 s"

board_reset
e2e_start_game "$program" "$cue_tones" server "$LENGTHS"
form1=$(e2e_window Form1)
expected=(chimeup)

# Each click waits for the hover marker to stand on its cell, which shows the click before
# it (and so its cue) has been handled.
marker_at() { # column row
    e2e_expect "the hover marker did not reach ($1,$2)" "$form1" \
        "hover($1,$2)@$((1797 + 600 * $1)),$((880 + 600 * $2))=FFFF00"
}
click_cell() { # column row
    e2e_click "$form1" $((1807 + 600 * $1)) $((1087 + 600 * $2))
    marker_at "$1" "$2"
    board_click "$1" "$2"
    expected+=("$REPLY")
}

click_cell 4 4 # the marker starts on (4,2): a jump into the centre
click_cell 4 4 # the marker's own cell
click_cell 2 4 # onto a marble two away: refused
[[ "${expected[*]}" == "chimeup gain normal loss" ]] || e2e_fail "scenario error: ${expected[*]}"
e2e_click "$form1" "${RESTART[@]}"
expected+=(normal ringin ringin)
# A pointer motion handled after RESTART's click shows the click handled.
e2e_move "$form1" $((1807 + 600 * 4)) $((1087 + 600 * 4))
marker_at 4 4
e2e_click "$form1" "${EXIT[@]}"
expected+=(bird)
e2e_expect_exit "EXIT"

kill -TERM "$recorder_pid"
wait "$recorder_pid" || e2e_fail "the recorder failed: $(cat "$artifacts/recorder.log")"
"$cue_tones" runs "$heard" "$LENGTHS" >"$artifacts/runs.txt" || e2e_fail "cannot read the recording"
cp "$heard" "$artifacts/heard.raw"

# Timer2's ambient cues 1 and 2 come at random moments: counted, not asserted.
heard_names=()
while read -r name tones ms; do
    [[ $name == 1 || $name == 2 ]] && continue
    for (( n = 0; n < tones; ++n )); do heard_names+=("$name"); done
    due=$(( tones * TONE_MS ))
    (( ms >= due - LENGTH_SLACK_MS && ms <= due + LENGTH_SLACK_MS )) \
        || e2e_fail "$name sounded $ms ms at the server, its file $due ms (runs.txt in $artifacts)"
done <"$artifacts/runs.txt"
if [[ "${heard_names[*]}" != "${expected[*]}" ]]; then
    e2e_fail "heard at the server: ${heard_names[*]:-nothing}; due: ${expected[*]} (runs.txt in $artifacts)"
fi
echo "heard at the server, in order and whole: ${expected[*]}"
e2e_passed=yes
echo PASS
