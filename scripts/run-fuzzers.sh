#!/usr/bin/env bash
# Runs every fuzz target in BUILD_DIR/tests/fuzz for SECONDS each, starting
# from its seed corpus; any crash fails the run.
# Usage: run-fuzzers.sh BUILD_DIR [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build dir}
seconds=${2:-30}
shopt -s nullglob
ran=0
for target in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$(mktemp -d)
  # Seeds come from the source tree (committed) and the build (generated).
  for seeds in "tests/fuzz/seeds/$name" "$build/tests/fuzz/seeds/$name"; do
    if [ -d "$seeds" ]; then cp -r "$seeds"/. "$corpus"/; fi
  done
  echo "== $name (${seconds}s)"
  # A crashing input is kept beside the log, outside the source tree.
  "$target" -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix="$corpus-" \
    "$corpus" 2>"$corpus.log" || {
    tail -n 60 "$corpus.log" >&2; echo "$name: FAILED (inputs kept as $corpus-*)" >&2; exit 1; }
  rm -rf "$corpus" "$corpus.log"
  ran=$((ran + 1))
done
echo "fuzz targets run: $ran"
