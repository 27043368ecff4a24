#!/usr/bin/env bash
# A private PulseAudio for the tests and benchmarks: one null sink (a clocked sink that plays
# to nowhere, with a monitor to record what reached it), reached only through a unix socket in
# a temporary folder. No system-wide or user configuration, no autospawn, no D-Bus.
#
# Source it and call `pulse_server_start` (exports PULSE_SERVER and friends) and
# `pulse_server_stop` (from a trap), or run it as `pulse-server.sh run -- COMMAND...`
# to have COMMAND run with the server and the server stopped after it, or as
# `pulse-server.sh serve FOLDER` to become the server itself, listening on FOLDER/native
# (for a test that has to kill its server).

# The sink every client plays to by default; its monitor is "<name>.monitor".
MOSSALINE_PULSE_SINK=${MOSSALINE_PULSE_SINK:-mossaline_null}
pulse_server_pid=
pulse_server_dir=

# Points this shell's PulseAudio clients and servers at FOLDER only.
pulse_server_env() {
  mkdir -p "$1/runtime" "$1/state"
  printf 'autospawn = no\n' >"$1/client.conf"
  export XDG_RUNTIME_DIR=$1
  export PULSE_RUNTIME_PATH=$1/runtime
  export PULSE_STATE_PATH=$1/state
  export PULSE_CLIENTCONFIG=$1/client.conf
  export PULSE_COOKIE=$1/cookie
}

pulse_server_start() {
  pulse_server_dir=$(mktemp -d "${TMPDIR:-/tmp}/mossaline-pulse.XXXXXX")
  pulse_server_env "$pulse_server_dir"
  # -n: none of /etc/pulse/default.pa; only the two modules below. Keep in step with `serve`.
  pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --system=no \
    --log-target="file:$pulse_server_dir/server.log" \
    --load="module-null-sink sink_name=$MOSSALINE_PULSE_SINK rate=44100" \
    --load="module-native-protocol-unix socket=$pulse_server_dir/native auth-anonymous=1" \
    >"$pulse_server_dir/server.out" 2>&1 </dev/null &
  pulse_server_pid=$!
  local _
  for _ in $(seq 200); do
    [[ -S $pulse_server_dir/native ]] && break
    kill -0 "$pulse_server_pid" 2>/dev/null || break
    sleep 0.025
  done
  if [[ ! -S $pulse_server_dir/native ]]; then
    echo "pulse-server: PulseAudio did not start:" >&2
    cat "$pulse_server_dir/server.out" "$pulse_server_dir/server.log" >&2 2>/dev/null || true
    pulse_server_stop
    return 1
  fi
  export PULSE_SERVER=unix:$pulse_server_dir/native
  export MOSSALINE_PULSE_SINK
}

pulse_server_stop() {
  if [[ -n $pulse_server_pid ]]; then
    kill "$pulse_server_pid" 2>/dev/null || true
    wait "$pulse_server_pid" 2>/dev/null || true
    pulse_server_pid=
  fi
  [[ -n $pulse_server_dir ]] && rm -rf "$pulse_server_dir"
  pulse_server_dir=
  unset PULSE_SERVER
}

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
  set -euo pipefail
  if [[ ${1:-} == serve && $# -eq 2 ]]; then
    pulse_server_env "$2"
    exec pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --system=no \
      --log-target="file:$2/server.log" \
      --load="module-null-sink sink_name=$MOSSALINE_PULSE_SINK rate=44100" \
      --load="module-native-protocol-unix socket=$2/native auth-anonymous=1" </dev/null
  fi
  if [[ ${1:-} != run || ${2:-} != -- || $# -lt 3 ]]; then
    echo "usage: $0 run -- COMMAND [ARGUMENT...] | serve FOLDER   (or source it for pulse_server_start / pulse_server_stop)" >&2
    exit 2
  fi
  shift 2
  trap pulse_server_stop EXIT
  pulse_server_start
  status=0
  "$@" || status=$?
  exit "$status"
fi
