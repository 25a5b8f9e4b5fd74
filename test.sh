#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
tavrin_ensure_deps
tavrin_build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh
fi
