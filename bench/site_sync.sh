#!/usr/bin/env bash
# A site of 20 devices brought up to date by one `tavrin-cli sync --site`: each device a
# tavrin-sim --realtime with nothing journalled yet, so all seven weekdays go to each, each
# device its own schedule file with a full week (an event in every minute). The devices run at
# once, so the whole site should take little more than one device alone (about 49 s); the
# figures: wall time, tavrin-cli's peak resident memory and its CPU time over the run.
#
#     bench/site_sync.sh [BUILD_DIR]        (about a minute)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
devices=${DEVICES:-20}
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

for n in $(seq "$devices"); do
  "$build/bin/tavrin-sim" ${SIM_PACE---realtime} > "$work/sim$n.out" &
  pids+=($!)
done
for n in $(seq "$devices"); do
  for _ in $(seq 100); do grep -q 'device on' "$work/sim$n.out" && break; sleep 0.05; done
done

: > "$work/site.ini"
for n in $(seq "$devices"); do
  awk -v n="$n" 'BEGIN {
    print "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4"
    split("Monday Tuesday Wednesday Thursday Friday Saturday Sunday", days, " ")
    for (d = 1; d <= 7; d++)
      for (m = 0; m < 1440; m++)
        printf "%s,%d,%02d:%02d,%s,%d,%s,1,%d,0,1\n", days[d], m + 1, m / 60, m % 60,
               (m % 2 ? "Voice" : "Melody"), (m + n) % 16, (m % 3 ? "ON" : ""), m % 2
  }' > "$work/week$n.csv"
  "$build/bin/tavrin-cli" import "$work/week$n.csv" --to "$work/week$n.mdb" > /dev/null
  device=$(sed -n 's/^tavrin-sim: device on //p' "$work/sim$n.out")
  printf '[Device %02d]\nport=%s\nschedule=%s\n' "$n" "$device" "$work/week$n.mdb" >> "$work/site.ini"
done

/usr/bin/time -f '%e %U %S %M' -o "$work/time" \
  "$build/bin/tavrin-cli" sync --site "$work/site.ini" --journal "$work/journal.db" > "$work/out" 2> "$work/err" \
  || { tail "$work/err"; exit 1; }
read -r wall user sys peak < "$work/time"
complete=$(grep -c 'Downloading complete' "$work/err" || true)
awk -v n="$devices" -v c="$complete" -v w="$wall" -v u="$user" -v s="$sys" -v m="$peak" 'BEGIN {
  printf "%d devices, %d complete: %.1f s (%.2f x 49 s), peak %.1f MB, CPU %.1f s = %.1f %% of one core\n",
         n, c, w, w / 49, m / 1024, u + s, 100 * (u + s) / w
}'
