#!/usr/bin/env bash
# Installs, checks the code (scripts/lint.sh), builds and runs every test:
# the release build (gcc), the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer (clang), the tests labelled "threaded" under
# ThreadSanitizer (clang), then each fuzz target of the sanitizer build for
# a fixed time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

scripts/lint.sh

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

scripts/build.sh release
ctest --test-dir build/release --output-on-failure -j "$jobs" | tee "$logs/release"

scripts/build.sh sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$PWD/tests/lsan-suppressions.txt" \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs" | tee "$logs/sanitize"

scripts/build.sh tsan
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir build/tsan -L threaded --output-on-failure -j "$jobs" | tee "$logs/tsan"

scripts/run-fuzzers.sh build/sanitize "${FUZZ_SECONDS:-30}"

# ctest stops the script on a failure, so reaching here means all passed.
passed=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$logs"/* | awk '{ total += $1 } END { print total }')
echo "velvaton: $passed passed, 0 failed"
