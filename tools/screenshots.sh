#!/usr/bin/env bash
# Writes pictures of the program for the documentation: the main window with a filled Monday
# and named sounds, the Download, Upload, Time Setting, Auto Setup, Sounds and About dialogs,
# and the first page of the week's PDF, as PNGs, on a 1600 x 900 screen and again on an
# ordinary 1366 x 768 laptop screen (OUTPUT_DIR/1366x768), under a dark desktop palette
# (OUTPUT_DIR/dark) and at 200 % on a 2732 x 1536 screen (OUTPUT_DIR/scale200).
#   tools/screenshots.sh [OUTPUT_DIR]      (default: build/screenshots)
# build/bin/tavrin-screenshots runs under Xvfb with tavrin-sim behind it; the main window at
# 1366 x 768 is also copied to docs/main-window.png, the dark and 200 % ones to
# docs/main-window-dark.png and docs/main-window-200.png, and the PDF's first page to
# docs/week-pdf.png, which the README shows.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
mkdir -p "$out" docs
[ -x build/bin/tavrin-screenshots ] || { echo "build the tools first (cmake --build build)" >&2; exit 1; }

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

shoot() { # SIZE FOLDER [OPTION...]
  mkdir -p "$2"
  local size=$1 folder
  folder=$(cd "$2" && pwd)
  shift 2
  xvfb-run -a -s "-screen 0 ${size}x24" build/bin/tavrin-screenshots "$folder" "$@" "${port_args[@]}"
}
shoot 1600x900 "$out"
shoot 1366x768 "$out/1366x768"
shoot 1600x900 "$out/dark" --dark
QT_SCALE_FACTOR=2 shoot 2732x1536 "$out/scale200"
cp "$out/1366x768/main-window.png" docs/main-window.png
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$out/week.pdf" docs/week-pdf
cp "$out/dark/main-window.png" docs/main-window-dark.png
cp "$out/scale200/main-window.png" docs/main-window-200.png
ls -l "$out" "$out/1366x768" "$out/dark" "$out/scale200"
