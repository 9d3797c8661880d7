#!/usr/bin/env bash
# Installs, builds and runs every test: the release build, the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz
# target for a fixed time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

scripts/build.sh release
ctest --test-dir build/release --output-on-failure -j "$jobs"

scripts/build.sh sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$PWD/tests/lsan-suppressions.txt" \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

scripts/build.sh fuzz
scripts/run-fuzzers.sh build/fuzz "${FUZZ_SECONDS:-30}"
