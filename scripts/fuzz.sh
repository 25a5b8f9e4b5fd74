#!/usr/bin/env bash
# Fuzzes the line: builds tests/fuzz/FuzzLine.cpp with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in its own build folder (build-fuzz/) and runs it for a few
# seconds. FUZZ_SECONDS sets the time. Fails when an input crashes; the input is kept in
# build-fuzz/ as crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-5}
out=build-fuzz
cxx=$(command -v clang++ || command -v clang++-14 || true)
if [ -z "$cxx" ]; then
  echo "fuzz: clang++ not found, skipped"
  exit 0
fi

sources=(tests/fuzz/FuzzLine.cpp device/ReceiveRing.cpp device/DeviceEmulator.cpp device/DayImage.cpp
         schedule/TimeText.cpp schedule/DaySchedule.cpp schedule/ScheduleEntry.cpp schedule/Weekday.cpp)
flags=(-std=c++20 -g -O1 -I. -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)

mkdir -p "$out/obj" "$out/corpus"
objects=()
for src in "${sources[@]}"; do
  obj="$out/obj/$(echo "$src" | tr '/' '_').o"
  # rebuild when the source or any header of ours is newer
  if [ ! -f "$obj" ] || [ -n "$(find "$src" device schedule -newer "$obj" -name '*.h' -o -newer "$obj" -path "$src" | head -1)" ]; then
    "$cxx" "${flags[@]}" -c "$src" -o "$obj"
  fi
  objects+=("$obj")
done
"$cxx" "${flags[@]}" "${objects[@]}" -o "$out/fuzz_line"

log="$out/fuzz.log"
if ! "$out/fuzz_line" -max_total_time="$seconds" -max_len=80000 -rss_limit_mb=2048 -print_final_stats=1 \
     -artifact_prefix="$out/" "$out/corpus" >"$log" 2>&1; then
  tail -40 "$log"
  echo "fuzz: FAILED, see $log"
  exit 1
fi
runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -1)
echo "fuzz: ${runs:-?} inputs ran clean in ${seconds} s (reply assembly and device emulator, ASan+UBSan)"
