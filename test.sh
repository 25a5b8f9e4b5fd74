#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
tavrin_ensure_deps
tavrin_build
export QT_QPA_PLATFORM=offscreen
ctest_log=$(mktemp -t tavrin-ctest.XXXXXX)
trap 'rm -f "$ctest_log"' EXIT
ctest --test-dir build --output-on-failure -j"$(nproc)" "$@" | tee "$ctest_log"
suites=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$ctest_log" | tail -1)
passed=${suites:-0}
if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh
  passed=$((passed + 1))
fi
echo "tests: ${passed} passed, 0 failed"
