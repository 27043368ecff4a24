# Sourced by the packaging tests: reporting, scratch space, an X server of
# the test's own and the installed game started, watched and stopped.
set -euo pipefail

readonly APP_ID=io.github.mossaline.mossaline
readonly CUE_NAMES=(chimeup.wav gain.wav loss.wav normal.wav ringin.wav bird.wav 1.wav 2.wav yahoo.wav)
readonly ICON_SIZES=(16 24 32 48 64 128 256)

failures=0
scratch=$(mktemp -d "${TMPDIR:-/tmp}/mossaline-packaging.XXXXXX")
x_server_pid=
game_pid=
game_window=

# Records a failed check and goes on, so one run reports every fault it can see.
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Stops the test at once: what follows cannot be checked without this.
die() {
  echo "FAIL: $*" >&2
  exit 1
}

# The test's verdict, as its exit status.
finish() {
  if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}

cleanup() {
  stop_game
  if [ -n "$x_server_pid" ]; then
    kill "$x_server_pid" 2>/dev/null || true
    wait "$x_server_pid" 2>/dev/null || true
  fi
  if [ -n "${MOSSALINE_KEEP_SCRATCH:-}" ]; then
    echo "scratch kept in $scratch" >&2
  else
    rm -rf "$scratch"
  fi
}
trap cleanup EXIT

# Sorted list of the files under a folder, one relative path a line;
# symbolic links are shown with their target, folders are left out.
file_listing() {
  (cd "$1" && find . ! -type d \( -type l -printf '%P -> %l\n' -o -printf '%P\n' \)) | LC_ALL=C sort
}

# Starts an X server on a display number it picks itself, so parallel tests never collide.
# Without -noreset the server restarts whenever its last client leaves, and a
# game connecting in that moment is turned away. The server and the game die
# with the test, even when it is killed for taking too long.
start_x_server() {
  local number_file="$scratch/x-display"
  setpriv --pdeathsig KILL Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
    3>"$number_file" 2>"$scratch/xvfb.log" &
  x_server_pid=$!
  local waited=0
  until grep -q '^[0-9][0-9]*$' "$number_file" 2>/dev/null; do
    kill -0 "$x_server_pid" 2>/dev/null || die "Xvfb did not start: $(cat "$scratch/xvfb.log")"
    [ "$waited" -lt 100 ] || die "Xvfb gave no display number in 10 s"
    sleep 0.1
    waited=$((waited + 1))
  done
  export DISPLAY=":$(head -n 1 "$number_file")"
}

# start_game <folder to start in> <sound output file> <command...>
# Starts the game on the test's X server, its sound going to a file through
# SDL's disk driver, and waits for its main window.
start_game() {
  local folder=$1 output=$2
  shift 2
  rm -f "$output"
  (cd "$folder" && exec setpriv --pdeathsig KILL env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb \
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$output" "$@") >"$scratch/game.log" 2>&1 &
  game_pid=$!
  local waited=0
  game_window=
  while [ -z "$game_window" ]; do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      game_pid=
      die "the game ended before showing a window named Form1: $*$(printf '\n--- its output\n')$(cat "$scratch/game.log")"
    fi
    [ "$waited" -lt 300 ] || die "no window named Form1 appeared within 30 s of starting: $*"
    sleep 0.1
    waited=$((waited + 1))
    game_window=$(xdotool search --name '^Form1$' 2>/dev/null | head -n 1) || true
  done
}

# The program that runs as the started game, with links resolved.
game_executable() {
  readlink "/proc/$game_pid/exe"
}

# expect_first_cue <sound output file> <cue.wav | --default-tone>
# The first sound the game played must be that one. Asks again while it is
# still being written, for up to 20 s. Needs CUE_CHECK, the checker program.
expect_first_cue() {
  local output=$1 expected=$2 status=2 tries=0
  while [ "$status" -eq 2 ] && [ "$tries" -lt 100 ]; do
    status=0
    "$CUE_CHECK" "$output" "$expected" 2>"$scratch/cue-check.log" || status=$?
    [ "$status" -eq 2 ] && sleep 0.2
    tries=$((tries + 1))
  done
  if [ "$status" -ne 0 ]; then
    fail "first sound played: $(cat "$scratch/cue-check.log")"
  fi
}

stop_game() {
  if [ -n "$game_pid" ]; then
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=
  fi
}
