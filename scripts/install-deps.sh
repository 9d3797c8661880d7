#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with; packages
# already present are skipped, so a second run asks apt for nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libsndfile1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev libpng-dev libx11-dev libxtst-dev fontconfig fonts-liberation fonts-comic-neue
  xvfb xauth xdotool
  clang libclang-rt-14-dev clang-format clang-tidy
  strace time
  lv2-dev liblilv-dev lilv-utils sordi jalv jackd2
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
# jackd2 asks whether to give the audio group real-time limits; the tests run
# JACK's dummy driver without real-time scheduling.
echo "jackd2 jackd/tweak_rt_limits boolean false" | $sudo debconf-set-selections
$sudo apt-get update -qq
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
