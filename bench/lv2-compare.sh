#!/usr/bin/env bash
# Cost per frame of the LV2 plug-in beside Debian's LV2 compressors (Calf,
# LSP, ZAM, x42), mono and stereo at 48 kHz in 256-frame blocks, all in one
# run of one lilv host (build/release/bench/velvaton_lv2_bench). Installs
# the compressors it compares with; the test command never needs them.
# Usage: bench/lv2-compare.sh [Google Benchmark options]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(calf-plugins lsp-plugins-lv2 zam-plugins x42-plugins)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

[ -x build/release/bench/velvaton_lv2_bench ] || scripts/build.sh release

# Pairs of mono and stereo plug-ins; ours from the build tree.
plugins=(
  http://bracken-works.example/lv2/velvaTon/mono
  http://bracken-works.example/lv2/velvaTon/stereo
  http://calf.sourceforge.net/plugins/MonoCompressor
  http://calf.sourceforge.net/plugins/Compressor
  http://lsp-plug.in/plugins/lv2/compressor_mono
  http://lsp-plug.in/plugins/lv2/compressor_stereo
  urn:zamaudio:ZamComp
  urn:zamaudio:ZamCompX2
  "http://gareus.org/oss/lv2/darc#mono"
  "http://gareus.org/oss/lv2/darc#stereo"
)
# The plug-in's per-user settings go to a scratch home, not the user's.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME="$home" XDG_CONFIG_HOME="$home/config" LV2_PATH="$PWD/build/release/lv2:/usr/lib/lv2" \
  build/release/bench/velvaton_lv2_bench "${plugins[@]}" "$@"
