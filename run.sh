#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
#   ./run.sh                 the program with a simulated Tavrin (tavrin-sim on a pseudo-terminal)
#                            behind it, so Download, Upload and Time setting work at once
#   ./run.sh --port NAME     the program on a real serial port, no simulator
# Any other arguments (a schedule file, say) go to the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
tavrin_ensure_deps
tavrin_build

for arg in "$@"; do
  case "$arg" in
    --port|--port=*) exec build/bin/tavrin "$@" ;;
  esac
done

if [ ! -x build/bin/tavrin-sim ]; then
  echo "run.sh: build/bin/tavrin-sim is missing; starting without a simulated device" >&2
  exec build/bin/tavrin "$@"
fi

# The simulator names its pseudo-terminal on its first line of output.
sim_log=$(mktemp -t tavrin-sim.XXXXXX)
build/bin/tavrin-sim >"$sim_log" 2>&1 &
sim_pid=$!
stop_sim() {
  kill "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" 2>/dev/null || true
  rm -f "$sim_log"
}
trap stop_sim EXIT
trap 'exit 130' INT TERM

port=""
for _ in $(seq 1 100); do
  port=$(sed -n '1s/^tavrin-sim: device on //p' "$sim_log")
  [ -n "$port" ] && break
  kill -0 "$sim_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "run.sh: tavrin-sim did not start:" >&2
  cat "$sim_log" >&2
  exit 1
fi
echo "run.sh: simulated Tavrin on $port"

status=0
build/bin/tavrin --port "$port" "$@" || status=$?
exit "$status"
