#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
tavrin_ensure_deps
tavrin_build
exec build/bin/tavrin "$@"
