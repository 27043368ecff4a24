#!/usr/bin/env bash
# The Windows zip as a player gets it, unzipped into a folder whose name is not ASCII, and its
# program run under Wine on a private X server with a private PulseAudio:
# the window with the start position, a jump by two clicks seen in the pixels, the cues heard
# at the sound server's monitor, and EXIT ending the process.
# Usage: wine_play_test.sh ZIP WINDOW_PROBE CUE_TONES ARTIFACTS_DIR   (WINEPREFIX set by the caller)
set -euo pipefail
zip=${1:?usage: wine_play_test.sh ZIP WINDOW_PROBE CUE_TONES ARTIFACTS_DIR}
probe_tool=${2:?}
cue_tones=${3:?}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../e2e/e2e_session.sh"
source "$here/../../scripts/pulse-server.sh"
source "$here/wine_jump.sh"

# Wine drops the start of a sound, so every test tone lasts 23 standard lengths (1.2 s); it
# may also leave a gap inside one, which reads as the same cue twice, so repeats are merged
# (no two cues due in a row are the same).
readonly TONE_LENGTHS=23

e2e_start_x "${4:?}" 1
pulse_server_start
# Wine's sound devices live in its server's session: one started before this sound server
# would not know it.
wineserver -k 2>/dev/null || true
wine_cleanup() {
    [[ -n ${recorder_pid:-} ]] && kill "$recorder_pid" 2>/dev/null
    pulse_server_stop
    e2e_cleanup
}
trap wine_cleanup EXIT

# Wine's multimedia library opens files through the ANSI code page, so under Wine a folder
# named outside it (CJK, say) is silent, though the wide path reaches the call intact (the
# Windows player's unit test shows that); the name here stays inside Windows-1252.
game=$work/$'Murmeln \u00fc'
mkdir -p "$game"
unzip -q "$zip" -d "$game"
program=$(find "$game" -name mossaline.exe | head -n 1)
[[ -n $program ]] || e2e_fail "no mossaline.exe in $zip"
sound=$(dirname "$program")/sound
"$cue_tones" write "$sound" "$TONE_LENGTHS" || e2e_fail "cannot write the test tones"

recording=$work/monitor.raw
# A short latency, so what was recorded reaches the file before the recorder is stopped.
parec -d "$MOSSALINE_PULSE_SINK.monitor" --raw --format=s16le --rate=44100 --channels=1 --latency-msec=20 \
    >"$recording" &
recorder_pid=$!
(cd "$(dirname "$program")" && exec setpriv --pdeathsig KILL env WINEDEBUG=-all wine "$program") \
    >"$artifacts/game.log" 2>&1 &
game_pid=$!

wine_play_jump "under Wine"
sleep 0.2
kill -INT "$recorder_pid" 2>/dev/null || true
wait "$recorder_pid" 2>/dev/null || true
recorder_pid=

"$cue_tones" read "$recording" "$TONE_LENGTHS" >"$artifacts/heard.txt" || e2e_fail "cannot read the recording"
heard=$(grep -v -x -e 1 -e 2 "$artifacts/heard.txt" | uniq | tr '\n' ' ')
[[ $heard == "chimeup normal gain bird " ]] || e2e_fail "heard '$heard', expected 'chimeup normal gain bird' (heard.txt in $artifacts)"
e2e_passed=yes
echo "PASS: the zip's program under Wine: window, jump, cues ($heard), EXIT"
