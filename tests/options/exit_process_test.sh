#!/usr/bin/env bash
# Runs the real program on a virtual X server and ends it the way a player does, by a click
# on EXIT: once with sound on, once after unchecking "Play sound". Each run must end by
# itself with exit status 0. Every wait has a deadline, so a hung program fails the test.
set -euo pipefail

program=${1:?usage: exit_process_test.sh PATH_TO_MOSSALINE}
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    if [[ -n $game_pid ]] && kill -0 "$game_pid" 2>/dev/null; then kill -KILL "$game_pid" 2>/dev/null || true; fi
    if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [[ -s $work/game.log ]] && { echo "--- program output:" >&2; cat "$work/game.log" >&2; }
    exit 1
}

# Xvfb picks a free display itself and writes its number once it accepts clients, so tests
# running side by side never race for one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
    sleep 0.1
done
grep -q '^[0-9][0-9]*$' "$work/display" || fail "Xvfb gave no display within 10 s"
export DISPLAY=":$(head -n1 "$work/display")"

# Window-relative pixels: twips / 15, inside each control's design box.
readonly OPTIONS_AT=(568 92)       # Check1 (7800, 1200, 1455, 375)
readonly PLAY_SOUND_AT=(512 217)   # Check5 at (120, 1395) in Frame1 at (7440, 1680), on its check mark
readonly EXIT_AT=(564 404)         # Label1 (8160, 5880, 735, 375): (8160+300)/15, (5880+180)/15
readonly PLAY_SOUND_MARK=14x14+504+210 # the check mark of Check5, black while the panel is closed
readonly IMAGE2_BOX=57x52+96+8     # the upper part of Image2 (1440, 120, 855, 1215), clear of the board ring

click_at() { # window x y
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Largest channel value of a part of the window; 0 means all black.
brightest() { # window geometry
    import -window "$1" -crop "$2" +repage -format '%[fx:int(255*maxima)]' info:- 2>/dev/null || echo error
}

# Waits until a part of the window is (or is not) all black. A click can wait a while for
# its turn: an ambient cue holds the program for up to two seconds.
wait_for_black() { # window geometry yes|no
    local level
    for _ in $(seq 50); do
        level=$(brightest "$1" "$2")
        if [[ $3 == yes && $level == 0 ]] || [[ $3 == no && $level =~ ^[1-9][0-9]*$ ]]; then
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# Tells a program that hangs from one that died, for a failure that happens once in a while.
program_state() {
    if kill -0 "$game_pid" 2>/dev/null; then
        echo "the program is still running"
        return
    fi
    local status=0
    wait "$game_pid" || status=$?
    game_pid=""
    echo "the program ended with status $status"
}

run_once() { # on|off
    local sound=$1 window started status
    : >"$work/game.log"
    SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$program" >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Form1$' | head -n1) || true
    [[ -n $window ]] || fail "sound $sound: no window named Form1 within 30 s ($(program_state))"
    wait_for_black "$window" "$IMAGE2_BOX" no || fail "sound $sound: the window was never drawn"

    if [[ $sound == off ]]; then
        click_at "$window" "${OPTIONS_AT[@]}"
        wait_for_black "$window" "$PLAY_SOUND_MARK" no || fail "sound off: OPTIONS did not open the panel"
        click_at "$window" "${PLAY_SOUND_AT[@]}"
        # "Play sound" unchecked hides the picture beside the title.
        wait_for_black "$window" "$IMAGE2_BOX" yes || fail "sound off: \"Play sound\" did not switch off"
    fi

    started=$(date +%s%N)
    click_at "$window" "${EXIT_AT[@]}"
    for _ in $(seq 200); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$game_pid" 2>/dev/null; then
        fail "sound $sound: still running 20 s after EXIT"
    fi
    status=0
    wait "$game_pid" || status=$?
    game_pid=""
    [[ $status == 0 ]] || fail "sound $sound: exit status $status"
    echo "sound $sound: ended with status 0, $(( ($(date +%s%N) - started) / 1000000 )) ms after the click on EXIT"
}

run_once on
run_once off
echo "PASS"
