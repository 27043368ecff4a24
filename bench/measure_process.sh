#!/usr/bin/env bash
# Whole-process figures for the game under Xvfb, nothing in the game instrumented:
#   - time from process start to the main window mapped, and to its first paint on screen
#     (bench_window_watch: MapNotify on the root window, then the title's yellow read back
#     from the server every 0.5 ms);
#   - resident memory 2 s after the window showed (VmRSS and the smaps_rollup split);
#   - CPU used while idle over 20 s (utime+stime from /proc/<pid>/stat, whole process) and
#     the wake-ups per thread meanwhile (context switches from /proc/<pid>/task/*/status).
# The game runs from a copy beside a `sound` folder of silent 10 ms cues, playing them to a
# private PulseAudio (scripts/pulse-server.sh; MOSSALINE_MEASURE_AUDIO=dummy: SDL's dummy
# driver), so the start cue blocks as briefly as a cue can and no sound card is needed.
#
# usage: bench/measure_process.sh [BUILD_DIR] [RUNS] [IDLE_SECONDS]
#   BUILD_DIR  a build configured with -DMOSSALINE_BENCH=ON (default: build-bench)
#   RUNS       start-ups to time (default 15; the first one is reported apart as the cold one)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build-bench}" && pwd)
runs=${2:-15}
idle_seconds=${3:-20}

watch=$build/bench/bench_window_watch
silent=$build/bench/bench_silent_cues
for tool in "$build/mossaline" "$watch" "$silent"; do
  [[ -x $tool ]] || { echo "missing $tool: build with -DMOSSALINE_BENCH=ON first" >&2; exit 1; }
done

work=$(mktemp -d /tmp/mossaline-measure.XXXXXX)
xvfb_pid=
game_pid=
cleanup() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  declare -F pulse_server_stop >/dev/null && pulse_server_stop
  rm -rf "$work"
}
trap cleanup EXIT

cp "$build/mossaline" "$work/mossaline"
[[ -x $build/bench/bench_startup_phases ]] && cp "$build/bench/bench_startup_phases" "$work/"
"$silent" "$work/sound" 10

# A display number nobody uses.
display=99
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -e /tmp/.X11-unix/X$display ]] && break
  sleep 0.05
done
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
# The cues go to a private PulseAudio with a null sink, as on a desktop;
# MOSSALINE_MEASURE_AUDIO=dummy plays them through SDL's dummy driver instead.
if [[ ${MOSSALINE_MEASURE_AUDIO:-pulse} == dummy ]]; then
  export SDL_AUDIODRIVER=dummy
else
  unset SDL_AUDIODRIVER
  source "$here/scripts/pulse-server.sh"
  pulse_server_start
fi
unset QT_SCALE_FACTOR

# The title's background: yellow at logical pixel (216, 32), painted only by the game itself.
start_game() {
  "$watch" --name Form1 --pixel 216 32 ffff00 -- "$work/mossaline" 2>>"$work/game.log"
}

stop_game() {
  kill "$game_pid" 2>/dev/null || true
  while kill -0 "$game_pid" 2>/dev/null; do sleep 0.02; done
  game_pid=
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "== start-up: $runs runs (ms from process start) =="
mapped=() painted=()
for run in $(seq "$runs"); do
  read -r _ game_pid _ m _ p _ polls _ _ < <(start_game)
  mapped+=("$m") painted+=("$p")
  printf 'run %2d  mapped %8.2f  painted %8.2f  (%s pixel reads)\n' "$run" "$m" "$p" "$polls"
  stop_game
done
warm_painted=$(printf '%s\n' "${painted[@]:1}" | median)
warm_mapped=$(printf '%s\n' "${mapped[@]:1}" | median)
printf 'first run: mapped %s ms, painted %s ms\n' "${mapped[0]}" "${painted[0]}"
printf 'median of runs 2..%d: mapped %s ms, painted %s ms\n' "$runs" "$warm_mapped" "$warm_painted"

if [[ -x $work/bench_startup_phases ]]; then
  echo "== where the start-up goes: bench_startup_phases (main.cpp's steps, stamped), median of $runs runs =="
  : >"$work/phases.tsv"
  for run in $(seq "$runs"); do
    read -r _ game_pid _ _ _ p _ _ _ start_ns < <("$watch" --name Form1 --pixel 216 32 ffff00 --output "$work/phases.txt" \
      -- "$work/bench_startup_phases" 2>>"$work/game.log")
    for _ in $(seq 250); do
      grep -q 'first paint handled' "$work/phases.txt" 2>/dev/null && break
      sleep 0.02
    done
    stop_game
    # Each stamp as "phase<TAB>ms after launch", then the watcher's own figure.
    awk -v s="$start_ns" 'NR > 1 { ns = $1; $1 = ""; $2 = ""; sub(/^ +/, ""); printf "%s\t%.2f\n", $0, (ns - s) / 1e6 }' \
      "$work/phases.txt" >>"$work/phases.tsv"
    printf 'painted on screen (watcher)\t%s\n' "$p" >>"$work/phases.tsv"
  done
  cut -f1 "$work/phases.tsv" | awk '!seen[$0]++' | while IFS= read -r phase; do
    printf '  %-48s %8s ms after launch\n' "$phase" "$(awk -F '\t' -v k="$phase" '$1 == k { print $2 }' "$work/phases.tsv" | median)"
  done
fi

echo "== memory 2 s after the window showed =="
read -r _ game_pid _ _ _ _ _ _ _ _ < <(start_game)
sleep 2
grep -E '^(VmRSS|RssAnon|RssFile|RssShmem|VmHWM)' "/proc/$game_pid/status"
grep -E '^(Pss|Private_Dirty|Shared_Clean)' "/proc/$game_pid/smaps_rollup" || true
echo "threads: $(ls "/proc/$game_pid/task" | wc -l)"

echo "== idle for $idle_seconds s (no input; Timer2 ticks at 1 Hz) =="
ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
switches() {
  for task in /proc/"$game_pid"/task/*; do
    printf '%s %s %s %s\n' "${task##*/}" "$(tr ' ' _ <"$task/comm")" \
      "$(awk '/^voluntary_ctxt_switches/ { v = $2 } /^nonvoluntary_ctxt_switches/ { n = $2 } END { print v + n }' "$task/status")" \
      "$(awk '{ print $14 + $15 }' "$task/stat")"
  done
}
hz=$(getconf CLK_TCK)
ticks_before=$(ticks)
switches_before=$(switches)
sleep "$idle_seconds"
ticks_after=$(ticks)
switches_after=$(switches)
awk -v a="$ticks_before" -v b="$ticks_after" -v hz="$hz" -v s="$idle_seconds" \
  'BEGIN { printf "CPU while idle: %d ticks of 1/%d s = %.3f s over %d s (%.3f %% of one core)\n", b - a, hz, (b - a) / hz, s, 100 * (b - a) / hz / s }'
echo "wake-ups per thread over the idle time (context switches, CPU ticks):"
join <(echo "$switches_before" | sort) <(echo "$switches_after" | sort) |
  awk -v s="$idle_seconds" '{ printf "  %-16s %6d wake-ups (%.1f/s)  %d ticks\n", $2, $6 - $3, ($6 - $3) / s, $7 - $4; all += $6 - $3 }
    END { printf "  whole process    %6d wake-ups, %.1f in 10 s (the 1 Hz timer alone: 10)\n", all, all * 10 / s }'
stop_game
