# Sourced by play_through.sh: a private X server, the game running from a scratch copy
# with its own cue files, and pointer and pixel helpers that take twips of a window.
# Everything started here dies with the script, even when it is killed outright.

# Knobs shared with the scenario: every wait has a deadline.
readonly PROBE_TIMEOUT_MS=${PROBE_TIMEOUT_MS:-10000}
readonly WINDOW_TIMEOUT_S=30

e2e_fail() {
    echo "FAIL: $*" >&2
    if [[ -n ${game_pid:-} ]] && ! kill -0 "$game_pid" 2>/dev/null; then
        # Only the shell that started the program can collect its status.
        local status=unknown
        if [[ $BASHPID == "$$" ]]; then
            status=0
            wait "$game_pid" 2>/dev/null || status=$?
            game_pid=""
        fi
        echo "the program is no longer running (exit status $status)" >&2
    fi
    if [[ -n ${DISPLAY:-} && -n ${xvfb_pid:-} ]]; then
        import -window root "$artifacts/failure.png" 2>/dev/null && echo "screen saved as $artifacts/failure.png" >&2
    fi
    if [[ -s $artifacts/game.log ]]; then
        echo "--- program output:" >&2
        cat "$artifacts/game.log" >&2
    fi
    exit 1
}

e2e_cleanup() {
    if [[ -n ${game_pid:-} ]] && kill -0 "$game_pid" 2>/dev/null; then
        kill -KILL "$game_pid" 2>/dev/null || true
    fi
    if [[ -n ${xvfb_pid:-} ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    # The copy of the game and its recording are only worth keeping when something failed.
    [[ ${e2e_passed:-no} == yes ]] && rm -rf "$work"
    return 0
}

# Prepares the scratch folder and the X server. Sets: artifacts, work, scale, DISPLAY.
e2e_start_x() { # artifacts_dir scale
    artifacts=$1
    scale=$2
    work=$artifacts/run
    rm -rf "$artifacts"
    mkdir -p "$work/xdg"
    chmod 700 "$work/xdg"
    trap e2e_cleanup EXIT
    trap 'exit 143' TERM INT HUP

    for tool in Xvfb xdotool import setpriv; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is not installed"
    done
    # A screen that holds the window whole even at scale 2; XGetImage reads only what is on it.
    # Xvfb picks a free display itself and reports it once it takes clients, so runs side by
    # side never race for a number; the parent-death signal ends it if this script is killed.
    setpriv --pdeathsig KILL Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset \
        3>"$work/display" 2>"$artifacts/xvfb.log" &
    xvfb_pid=$!
    local _
    for _ in $(seq 100); do
        grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null && break
        kill -0 "$xvfb_pid" 2>/dev/null || e2e_fail "Xvfb did not start: $(cat "$artifacts/xvfb.log")"
        sleep 0.1
    done
    grep -q '^[0-9][0-9]*$' "$work/display" || e2e_fail "Xvfb gave no display within 10 s"
    export DISPLAY=":$(head -n1 "$work/display")"
    unset XAUTHORITY WAYLAND_DISPLAY
}

# Starts a copy of the game beside a `sound` folder of test tones. Its sound goes to SDL's disk
# driver, recorded to a file, or with `server` to the sound server PULSE_SERVER names, as on a
# desktop: then the caller records the server. Sets: game_pid, recording.
e2e_start_game() { # program cue_tones_tool [disk|server [tone_lengths]]
    local game=$work/game sound=${3:-disk}
    mkdir -p "$game/sound"
    cp "$1" "$game/mossaline"
    "$2" write "$game/sound" ${4:-} || e2e_fail "cannot write the test tones"
    recording=$work/audio.raw
    local audio=(SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$recording")
    [[ $sound == server ]] && audio=(PULSE_SERVER="${PULSE_SERVER:?no sound server}" PULSE_CLIENTCONFIG="${PULSE_CLIENTCONFIG:-}")
    # A clean environment: nothing of the developer's desktop, Qt or sound settings leaks in.
    env -i PATH="$PATH" HOME="$HOME" LANG=C.UTF-8 DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$work/xdg" \
        ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
        QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" "${audio[@]}" \
        setpriv --pdeathsig KILL "$game/mossaline" >"$artifacts/game.log" 2>&1 &
    game_pid=$!
}

# Prints the id of the visible window with this exact caption, waiting for it to appear.
e2e_window() { # caption
    local id deadline=$((SECONDS + WINDOW_TIMEOUT_S))
    while (( SECONDS < deadline )); do
        id=$(timeout 10 xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || true
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        kill -0 "$game_pid" 2>/dev/null || e2e_fail "the program ended without showing a window named $1"
        sleep 0.1
    done
    e2e_fail "no window named $1 within $WINDOW_TIMEOUT_S s"
}

# Waits until no visible window has this caption.
e2e_window_gone() { # caption
    local _
    for _ in $(seq 100); do
        [[ -z $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null) ]] && return 0
        sleep 0.1
    done
    e2e_fail "the window named $1 is still there after 10 s"
}

# Twips to device pixels of the window, rounded: 15 twips per logical pixel, times the scale.
e2e_px() { # twips
    echo $(( ($1 * scale * 2 + 15) / 30 ))
}

e2e_move() { # window x_twips y_twips
    timeout 10 xdotool mousemove --window "$1" "$(e2e_px "$2")" "$(e2e_px "$3")" || e2e_fail "xdotool could not move the pointer"
}

# One xdotool run for both: the motion reaches the program before the click, as a hand's would.
# (xdotool would otherwise sleep its 100 ms repeat delay after the only click.)
e2e_click() { # window x_twips y_twips
    timeout 10 xdotool mousemove --window "$1" "$(e2e_px "$2")" "$(e2e_px "$3")" click --delay 0 1 \
        || e2e_fail "xdotool could not click"
}

# Waits until every probe holds on the window (see window_probe.cpp); fails naming the step.
e2e_expect() { # step window probe...
    local step=$1 window=$2
    shift 2
    "$probe_tool" wait "$window" "$scale" "$PROBE_TIMEOUT_MS" "$@" || e2e_fail "$step"
}

# Keeps a picture of a window in the artifacts, to look at after the run.
e2e_snapshot() { # window name
    import -window "$1" "$artifacts/$2.png" 2>/dev/null || echo "note: could not save $2.png" >&2
}

# Waits for the game to end by itself and checks its exit status.
e2e_expect_exit() { # what
    local _ status=0
    for _ in $(seq 150); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && e2e_fail "$1: the program still runs 15 s later"
    wait "$game_pid" || status=$?
    game_pid=""
    [[ $status == 0 ]] || e2e_fail "$1: exit status $status"
}

e2e_expect_heard() { # cue_tones_tool cue...: the cues of the finished run, ambient ones aside
    local tool=$1
    shift
    "$tool" read "$recording" >"$artifacts/heard.txt" || e2e_fail "cannot read the recording"
    local heard
    mapfile -t heard < <(grep -v -x -e 1 -e 2 "$artifacts/heard.txt" || true)
    printf '%s\n' "$@" >"$artifacts/expected.txt"
    if [[ "${heard[*]}" != "$*" ]]; then
        diff "$artifacts/expected.txt" <(printf '%s\n' "${heard[@]}") >&2 || true
        e2e_fail "the cues heard differ from the cues due (expected.txt, heard.txt in $artifacts)"
    fi
}
