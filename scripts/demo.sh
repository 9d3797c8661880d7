#!/usr/bin/env bash
# Quick start: installs what is needed, builds, and renders the built-in demo
# programme into ./demo-out (demo-in.wav, demo-out.wav and the plot demo.png).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release
mkdir -p demo-out
build/release/tools/velvaton/velvaton demo demo-out
