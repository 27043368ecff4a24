#!/usr/bin/env bash
# Two builds of the game started in turn, start by start, under the same Xvfb and private
# PulseAudio, so that whatever else the machine does falls on both alike. Prints each one's
# deciles of "window mapped" (ms after launch) and the paired ratio: the median over rounds of
# B's start divided by A's start of the same round.
#   bench/compare_starts.sh BUILD_A BUILD_B [ROUNDS] [CUES]
# BUILD_A, BUILD_B: build folders holding `mossaline`; B's also bench/bench_window_watch and
# bench/bench_silent_cues (-DMOSSALINE_BENCH=ON). CUES: `silent` (10 ms cues, the default) or
# `shipped` (the cues each build made, so the start waits for the real start cue).
# MOSSALINE_COMPARE_RECORDER=PATH (tests' e2e_monitor_record): a client records the sink's monitor
# in 10 ms pieces throughout, which holds the null sink at a short latency as a sound card's sink
# plays; without it the idle null sink renders two seconds ahead and a cue waits behind that.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
a=$(cd "${1:?usage: compare_starts.sh BUILD_A BUILD_B [ROUNDS] [silent|shipped]}" && pwd)
b=$(cd "${2:?}" && pwd)
rounds=${3:-40}
cues=${4:-silent}
watch=$b/bench/bench_window_watch

work=$(mktemp -d /tmp/mossaline-compare.XXXXXX)
xvfb_pid=
cleanup() {
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  [[ -n ${recorder_pid:-} ]] && kill "$recorder_pid" 2>/dev/null || true
  declare -F pulse_server_stop >/dev/null && pulse_server_stop
  rm -rf "$work"
}
trap cleanup EXIT
for side in a b; do
  mkdir -p "$work/$side"
  cp "${!side}/mossaline" "$work/$side/"
  if [[ $cues == shipped ]]; then
    cp -r "${!side}/sound" "$work/$side/"
  else
    "$b/bench/bench_silent_cues" "$work/$side/sound" 10
  fi
done

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do grep -q '^[0-9]' "$work/display" 2>/dev/null && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
unset SDL_AUDIODRIVER QT_SCALE_FACTOR
source "$here/scripts/pulse-server.sh"
pulse_server_start
if [[ -n ${MOSSALINE_COMPARE_RECORDER:-} ]]; then
  "$MOSSALINE_COMPARE_RECORDER" /dev/null 10 >/dev/null &
  recorder_pid=$!
  sleep 1
fi

start() { # side: prints ms to the window mapped
  local pid mapped
  read -r _ pid _ mapped _ < <("$watch" --name Form1 -- "$work/$1/mossaline" 2>>"$work/game.log")
  kill "$pid" 2>/dev/null || true
  while kill -0 "$pid" 2>/dev/null; do sleep 0.02; done
  echo "$mapped"
}

start a >/dev/null && start b >/dev/null # warm the page cache for both
for round in $(seq "$rounds"); do
  # Alternate which goes first, so neither always follows the other.
  if (( round % 2 )); then ta=$(start a); tb=$(start b); else tb=$(start b); ta=$(start a); fi
  echo "$ta $tb" >>"$work/rounds"
done

deciles() { sort -n | awk '{ v[NR] = $1 } END { printf "p10 %.1f  median %.1f  p90 %.1f", v[int(NR * 0.1) + 1], v[int((NR + 1) / 2)], v[int(NR * 0.9)] }'; }
echo "A $a: $(awk '{ print $1 }' "$work/rounds" | deciles)"
echo "B $b: $(awk '{ print $2 }' "$work/rounds" | deciles)"
echo "paired B/A over $rounds rounds: $(awk '{ print $2 / $1 }' "$work/rounds" | sort -n | awk '{ v[NR] = $1 } END { printf "%.3f (quartiles %.3f, %.3f)", v[int((NR + 1) / 2)], v[int(NR / 4) + 1], v[int(NR * 3 / 4)] }')"
