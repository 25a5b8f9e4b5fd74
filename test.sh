#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test. Arguments go
# to ctest. SANITIZE=1 builds in build-sanitize/ with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the same suite there.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
tavrin_ensure_deps
if [ "${SANITIZE:-0}" = 1 ]; then
  build=build-sanitize
  tavrin_build "$build" -DTAVRIN_WERROR=ON -DTAVRIN_SANITIZE=ON -DTAVRIN_BUILD_BENCH=OFF
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
  export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan-suppressions.txt}
else
  build=build
  tavrin_build "$build" -DTAVRIN_WERROR=ON
fi
scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
# the tests compare English texts: the programs they start must not pick up a translation
export LC_ALL=C.UTF-8
unset LANGUAGE
ctest_log=$(mktemp -t tavrin-ctest.XXXXXX)
trap 'rm -f "$ctest_log"' EXIT
status=0
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@" | tee "$ctest_log" || status=1
# ctest's own summary: "N% tests passed, F tests failed out of T"
total=$(sed -n 's/.*tests passed, [0-9]* tests\{0,1\} failed out of \([0-9]*\).*/\1/p' "$ctest_log" | tail -1)
failed=$(sed -n 's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of.*/\1/p' "$ctest_log" | tail -1)
total=${total:-0}
failed=${failed:-0}
if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
  failed=1 # ctest failed without a summary (no tests found, say)
fi
passed=$((total - failed))
if [ -x scripts/fuzz.sh ]; then
  if scripts/fuzz.sh; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
fi
echo "tests: ${passed} passed, ${failed} failed"
[ "$failed" -eq 0 ]
