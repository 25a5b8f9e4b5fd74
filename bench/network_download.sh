#!/usr/bin/env bash
# A weekly Download through ser2net, raw TCP and telnet (RFC 2217), at the device's own pace:
# tavrin-sim --realtime behind ser2net on two loopback ports. Each weekday costs about 6 s on
# the line plus the wait for the next 1 s reply-watch tick, so a week should take close to
# 49 s either way; a network that added a tick would show as 56 s.
#
#     bench/network_download.sh [BUILD_DIR]        (about two minutes; needs ser2net)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

"$build/bin/tavrin-sim" --realtime > "$work/sim.out" &
pids+=($!)
for _ in $(seq 100); do grep -q 'device on' "$work/sim.out" && break; sleep 0.05; done
device=$(sed -n 's/^tavrin-sim: device on //p' "$work/sim.out")

raw=$(free_port)
telnet=$(free_port)
cat > "$work/ser2net.yaml" <<YAML
%YAML 1.1
---
connection: &raw
  accepter: tcp,127.0.0.1,$raw
  connector: serialdev,$device,9600n81,local
connection: &telnet
  accepter: telnet(rfc2217),tcp,127.0.0.1,$telnet
  connector: serialdev,$device,9600n81,local
YAML
ser2net -n -u -c "$work/ser2net.yaml" -P "$work/ser2net.pid" &
pids+=($!)
sleep 1

{
  echo 'day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4'
  for day in Monday Tuesday Wednesday Thursday Friday Saturday Sunday; do
    id=0
    for hour in 07 09 11 13 15; do id=$((id + 1)); echo "$day,$id,$hour:00,Melody,3,ON,1,0,1,0"; done
  done
} > "$work/week.csv"
"$build/bin/tavrin-cli" import "$work/week.csv" --to "$work/week.mdb" > /dev/null

for port in "socket://127.0.0.1:$raw" "rfc2217://127.0.0.1:$telnet"; do
  start=$(date +%s.%N)
  "$build/bin/tavrin-cli" download "$work/week.mdb" --port "$port" --all --journal "$work/journal.db" 2> "$work/err"
  end=$(date +%s.%N)
  grep -q 'Downloading complete' "$work/err" || { cat "$work/err"; exit 1; }
  awk -v p="$port" -v s="$start" -v e="$end" 'BEGIN { printf "%-28s weekly Download %.1f s\n", p, e - s }'
done
