#!/usr/bin/env bash
# Checks the product's code: its layout against .clang-format, and the
# checks of .clang-tidy (on a compile database of a clang configuration of
# its own, build/lint; nothing is compiled). Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."

sources=$(git ls-files 'HRXLIB/*.cpp' 'velvaTon/*.cpp' 'platform/*.cpp' 'tools/velvaton/*.cpp')

# Every C++ file of the tree, tests included, keeps the layout.
# shellcheck disable=SC2046
clang-format --dry-run --Werror $(git ls-files '*.cpp' '*.h') || {
  echo "lint: run clang-format -i on the files above" >&2
  exit 1
}

cmake -S . -B build/lint -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DVELVATON_TESTS=OFF -DVELVATON_BENCH=OFF >/dev/null
# shellcheck disable=SC2086
run-clang-tidy -quiet -p build/lint -j "$(nproc)" $sources >build/lint/tidy.log 2>&1 || {
  sed 's/\x1b\[[0-9;]*m//g' build/lint/tidy.log | grep -E "(error|warning): " | sort -u >&2
  echo "lint: clang-tidy found the problems above" >&2
  exit 1
}
echo "lint: clean"
