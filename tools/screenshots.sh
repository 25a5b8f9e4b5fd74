#!/usr/bin/env bash
# Writes pictures of the program for the documentation: the main window with a filled Monday
# and the Download, Upload, Time Setting, Auto Setup and About dialogs, as PNGs.
#   tools/screenshots.sh [OUTPUT_DIR]      (default: build/screenshots)
# The program runs under Xvfb with tavrin-sim behind it; the main window's picture is also
# copied to docs/main-window.png, which the README shows.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
mkdir -p "$out" docs
[ -x build/bin/tavrin ] || { echo "build the program first (./run.sh or cmake --build build)" >&2; exit 1; }

port_args=()
sim_pid=""
sim_log=$(mktemp -t tavrin-sim.XXXXXX)
cleanup() {
  [ -n "$sim_pid" ] && { kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; }
  rm -f "$sim_log"
}
trap cleanup EXIT
if [ -x build/bin/tavrin-sim ]; then
  build/bin/tavrin-sim >"$sim_log" 2>&1 &
  sim_pid=$!
  for _ in $(seq 1 100); do
    port=$(sed -n '1s/^tavrin-sim: device on //p' "$sim_log")
    [ -n "$port" ] && { port_args=(--port "$port"); break; }
    sleep 0.1
  done
fi

# a settings file of its own, so the pictures don't depend on this machine's choices
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d -t tavrin-shots.XXXXXX)
TAVRIN_SCREENSHOTS="$(cd "$out" && pwd)" \
  xvfb-run -a -s "-screen 0 1600x900x24" build/bin/tavrin "${port_args[@]}"
rm -rf "$XDG_CONFIG_HOME"
cp "$out/main-window.png" docs/main-window.png
ls -l "$out"
