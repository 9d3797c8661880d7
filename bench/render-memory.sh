#!/usr/bin/env bash
# Peak memory of `velvaton render` on a long file: one hour of stereo 96 kHz
# by default. render streams, so the peak must not grow with the length; the
# script fails when it passes 50 MB. Measured with /usr/bin/time -v; needs
# about 4.2 GB of free space per hour in TMPDIR.
#   bench/render-memory.sh [BUILD_DIR] [MINUTES]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
minutes=${2:-60}
tool="$PWD/$build/tools/velvaton/velvaton"
limit_kb=$((50 * 1024))

work=$(mktemp -d "${TMPDIR:-/tmp}/velvaton-memory-XXXXXX")
trap 'rm -rf "$work"' EXIT
# The plug-in keeps per-user settings; keep them out of the real home.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"

# The input: a 16-bit stereo WAV header over random bytes, full-scale noise.
rate=96000
bytes=$((minutes * 60 * rate * 4))
le16() { printf '\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)); }
le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)); }
{
  printf "RIFF$(le32 $((36 + bytes)))WAVEfmt $(le32 16)$(le16 1)$(le16 2)$(le32 $rate)$(le32 $((rate * 4)))$(le16 4)$(le16 16)"
  printf "data$(le32 $bytes)"
  head -c "$bytes" /dev/urandom
} > "$work/in.wav"
echo "input: $minutes min of stereo $rate Hz, $((bytes / 1048576)) MiB"

status=0
measure() {
  local name=$1; shift
  /usr/bin/time -v "$tool" render "$work/in.wav" "$@" > "$work/summary" 2> "$work/time"
  local kb seconds
  kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
  seconds=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time")
  printf '%-30s peak %6.1f MB  wall %s\n' "$name" "$(awk "BEGIN { print $kb / 1024 }")" "$seconds"
  if [ "$kb" -gt "$limit_kb" ]; then status=1; fi
  rm -f "$work"/out.*
}
measure "32-bit float WAV" "$work/out.wav"
measure "FLAC 24-bit, dither, plot" "$work/out.flac" --plot "$work/plot.png"
[ $status -eq 0 ] || echo "render-memory: peak above 50 MB" >&2
exit $status
