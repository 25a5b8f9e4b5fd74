#!/usr/bin/env bash
# Fuzzes the line, the schedule-file loader and the calendar-file reader: builds tests/fuzz/*.cpp
# with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer in its own build folder
# (build-fuzz/) and runs it for a few seconds. FUZZ_SECONDS sets the time. Fails when an input
# crashes; the input is kept in build-fuzz/ as crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-5}
out=build-fuzz
cxx=$(command -v clang++ || command -v clang++-14 || true)
if [ -z "$cxx" ]; then
  echo "fuzz: clang++ not found, skipped"
  exit 0
fi

# The code under test carries the fuzzer's coverage hooks; the day image and the schedule
# types it uses are only checked by the sanitizers, which keeps each run cheap.
fuzzed=(tests/fuzz/FuzzLine.cpp tests/fuzz/FuzzSessions.cpp device/ReceiveRing.cpp device/DeviceEmulator.cpp
        device/ReplyFrame.cpp device/DayBoxTransfer.cpp device/DownloadSession.cpp device/UploadSession.cpp
        device/ClockSession.cpp device/WeekdayStore.cpp
        schedule/CalendarCsv.cpp schedule/CsvFieldText.cpp schedule/CsvRecords.cpp schedule/ScheduleCsv.cpp
        schedule/SoundsCsv.cpp)
helpers=(device/DayImage.cpp schedule/TimeText.cpp schedule/DaySchedule.cpp schedule/ScheduleEntry.cpp
         schedule/ProgramCalendar.cpp schedule/Weekday.cpp schedule/WeeklySchedule.cpp
         schedule/ControlCharacters.cpp schedule/SoundNames.cpp)
# The sessions speak QByteArray; Qt itself is linked as it is, unsanitised.
read -r -a qt_cflags <<<"$(pkg-config --cflags Qt6Core)"
read -r -a qt_libs <<<"$(pkg-config --libs Qt6Core)"
common=(-std=c++20 -g -O1 -I. -fPIC "${qt_cflags[@]}" -fno-sanitize-recover=undefined)
flags=("${common[@]}" -fsanitize=fuzzer,address,undefined)
helper_flags=("${common[@]}" -fsanitize=address,undefined)

mkdir -p "$out/obj" "$out/corpus"
objects=()
compile() { # source, flags...
  local src=$1; shift
  local obj="$out/obj/$(echo "$src" | tr '/' '_').o"
  # rebuild when the source, a header of ours or this script is newer
  if [ ! -f "$obj" ] || [ -n "$(find "$src" "$0" device schedule calendar -newer "$obj" \( -name '*.h' -o -path "$src" -o -path "$0" \) | head -1)" ]; then
    "$cxx" "$@" -c "$src" -o "$obj"
  fi
  objects+=("$obj")
}
for src in "${fuzzed[@]}"; do compile "$src" "${flags[@]}"; done
for src in "${helpers[@]}"; do compile "$src" "${helper_flags[@]}"; done
"$cxx" "${flags[@]}" "${objects[@]}" "${qt_libs[@]}" -o "$out/fuzz_line"

# The schedule-file loader, with SQLite from the system, over the same schedule helpers.
line_helpers=("${objects[@]: -${#helpers[@]}}")
objects=()
for src in tests/fuzz/FuzzScheduleFile.cpp schedule/WeekTables.cpp schedule/ScheduleDatabase.cpp \
           schedule/ProgramCalendarTables.cpp schedule/SqliteRows.cpp schedule/CsvRecords.cpp; do
  compile "$src" "${flags[@]}"
done
for src in schedule/StoreOutcome.cpp schedule/LeftOutRows.cpp schedule/SqliteFile.cpp; do
  compile "$src" "${helper_flags[@]}"
done
"$cxx" "${flags[@]}" "${objects[@]}" "${line_helpers[@]}" "${qt_libs[@]}" -lsqlite3 -o "$out/fuzz_schedule_file"

# The calendar-file reader, with libical from the system.
objects=()
for src in tests/fuzz/FuzzIcsReader.cpp calendar/IcsReading.cpp calendar/IcalHandles.cpp; do
  compile "$src" "${flags[@]}"
done
read -r -a ical_libs <<<"$(pkg-config --libs libical)"
"$cxx" "${flags[@]}" "${objects[@]}" "${qt_libs[@]}" "${ical_libs[@]}" -o "$out/fuzz_ics_reader"

# run_fuzzer BINARY CORPUS MAX_LEN WHAT
run_fuzzer() {
  local log="$out/$1.log"
  mkdir -p "$out/$2"
  if ! "$out/$1" -max_total_time="$seconds" -max_len="$3" -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$out/" "$out/$2" >"$log" 2>&1; then
    tail -40 "$log"
    echo "fuzz: FAILED, see $log"
    exit 1
  fi
  local runs
  runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -1)
  echo "fuzz: ${runs:-?} inputs ran clean in ${seconds} s ($4, ASan+UBSan)"
}
run_fuzzer fuzz_line corpus 80000 "reply assembly, device emulator, sessions and CSV reader"
run_fuzzer fuzz_schedule_file corpus-schedule-file 20000 "schedule-file loader"
run_fuzzer fuzz_ics_reader corpus-ics-reader 8000 "calendar-file reader"
