#!/usr/bin/env bash
# Runs check_accessible_tree.py against the program: a display of its own (Xvfb on a free
# number), a D-Bus session of its own (which starts the accessibility bus and registry on
# demand) and tavrin-sim as the device. Exits 77 (skipped) when the machine lacks one of them.
# Usage: run-a11y.sh BIN_DIR
set -u
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3

for tool in Xvfb xdpyinfo dbus-run-session timeout; do
  command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "skipped: no python3-pyatspi"; exit 77; }

work=$(mktemp -d)
xvfb_pid=""
sim_pid=""
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# a display of its own: Xvfb picks a free number and tells it; -noreset, or the server would
# reset when the readiness probe disconnects and refuse the program meanwhile
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=""
for _ in $(seq 100); do
  display=$(cat "$work/display" 2>/dev/null)
  [ -n "$display" ] && break
  sleep 0.1
done
ready=""
for _ in $(seq 50); do
  [ -n "$display" ] && xdpyinfo -display ":$display" >/dev/null 2>&1 && ready=1 && break
  sleep 0.1
done
[ -n "$ready" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }

"$bin/tavrin-sim" >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
device=""
for _ in $(seq 50); do
  device=$(sed -n '1s/^tavrin-sim: device on //p' "$work/sim.out")
  [ -n "$device" ] && break
  sleep 0.1
done
[ -n "$device" ] || { echo "tavrin-sim did not start"; cat "$work/sim.err"; exit 1; }

# a week with a row to read, from the CSV through tavrin-cli
printf 'day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\r\nMonday,1,08:30,Voice,3,ON,1,0,1,0\r\n' >"$work/week.csv"
"$bin/tavrin-cli" import "$work/week.csv" --to "$work/week.mdb" >/dev/null || { echo "import failed"; exit 1; }

# settings, journal and the accessibility bus's files stay in the work folder
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export TAVRIN_JOURNAL="$work/journal.sqlite"
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export LC_ALL=C.UTF-8 LANG=C.UTF-8
unset NO_AT_BRIDGE

echo "display :$display, device $device"
timeout -k 5 90 dbus-run-session -- "$python" -u "$here/check_accessible_tree.py" \
  "$bin/tavrin" --port "$device" "$work/week.mdb"
status=$?
echo "finished: $status"
exit $status
