#!/usr/bin/env bash
# A private PulseAudio for the tests and benchmarks: one null sink (a clocked sink that plays
# to nowhere, with a monitor to record what reached it), reached only through a unix socket in
# a temporary folder. No system-wide or user configuration, no autospawn, no D-Bus.
#
# Source it and call `pulse_server_start` (exports PULSE_SERVER and friends) and
# `pulse_server_stop` (from a trap), or run it as `pulse-server.sh run -- COMMAND...`
# to have COMMAND run with the server and the server stopped after it.

# The sink every client plays to by default; its monitor is "<name>.monitor".
MOSSALINE_PULSE_SINK=${MOSSALINE_PULSE_SINK:-mossaline_null}
pulse_server_pid=
pulse_server_dir=

pulse_server_start() {
  pulse_server_dir=$(mktemp -d "${TMPDIR:-/tmp}/mossaline-pulse.XXXXXX")
  mkdir -p "$pulse_server_dir/runtime" "$pulse_server_dir/state"
  printf 'autospawn = no\n' >"$pulse_server_dir/client.conf"
  export XDG_RUNTIME_DIR=$pulse_server_dir
  export PULSE_RUNTIME_PATH=$pulse_server_dir/runtime
  export PULSE_STATE_PATH=$pulse_server_dir/state
  export PULSE_CLIENTCONFIG=$pulse_server_dir/client.conf
  export PULSE_COOKIE=$pulse_server_dir/cookie
  # -n: none of /etc/pulse/default.pa; only the two modules below.
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
  if [[ ${1:-} != run || ${2:-} != -- || $# -lt 3 ]]; then
    echo "usage: $0 run -- COMMAND [ARGUMENT...]   (or source it for pulse_server_start / pulse_server_stop)" >&2
    exit 2
  fi
  shift 2
  trap pulse_server_stop EXIT
  pulse_server_start
  status=0
  "$@" || status=$?
  exit "$status"
fi
