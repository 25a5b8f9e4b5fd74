#!/usr/bin/env bash
# Fails when a C++ source of ours differs from what clang-format makes of it (.clang-format),
# and lists the files. scripts/check-format.sh --fix formats them in place.
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=$(command -v clang-format || command -v clang-format-14 || true)
if [ -z "$clang_format" ]; then
  echo "check-format: clang-format not found (scripts/ensure-deps.sh installs it)"
  exit 1
fi
"$clang_format" --dump-config >/dev/null # a broken .clang-format must fail, not pass
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
  "$clang_format" -i "${sources[@]}"
  exit 0
fi
# one run over all files; each finding names its file as "path:line:col: error: ..."
mapfile -t unformatted < <("$clang_format" --dry-run --Werror "${sources[@]}" 2>&1 \
  | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: .*clang-format.*/\1/p' | sort -u)
if [ ${#unformatted[@]} -gt 0 ]; then
  printf 'check-format: not formatted: %s\n' "${unformatted[@]}"
  echo "check-format: ${#unformatted[@]} files differ; scripts/check-format.sh --fix formats them"
  exit 1
fi
echo "check-format: ${#sources[@]} files formatted"
