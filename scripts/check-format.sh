#!/usr/bin/env bash
# Fails when a C++ file of ours does not follow .clang-format. With --fix, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."

formatter=$(command -v clang-format-14 || command -v clang-format || true)
[ -n "$formatter" ] || { echo "check-format: clang-format is not installed (make deps)" >&2; exit 1; }

mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'bench/*.h' \
                                  'tests/*.cpp' 'tests/*.h' 2>/dev/null || find src tools bench tests -name '*.cpp' -o -name '*.h')

if [ "${1:-}" = "--fix" ]; then
    "$formatter" -i --style=file "${files[@]}"
else
    "$formatter" --dry-run --Werror --style=file "${files[@]}"
fi
