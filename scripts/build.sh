#!/usr/bin/env bash
# Configures and builds one variant of the project into build/<variant>.
#   release   optimised build, warnings are errors
#   sanitize  tests under AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz      libFuzzer targets, built with clang
set -euo pipefail
cd "$(dirname "$0")/.."
variant=${1:-release}
case "$variant" in
  release)  flags=(-DCMAKE_BUILD_TYPE=Release -DVELVATON_WERROR=ON) ;;
  sanitize) flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELVATON_WERROR=ON -DVELVATON_SANITIZE=ON) ;;
  fuzz)     flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELVATON_FUZZ=ON
                   -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
  *) echo "build.sh: unknown variant '$variant' (release, sanitize, fuzz)" >&2; exit 2 ;;
esac
cmake -S . -B "build/$variant" -G Ninja "${flags[@]}" >/dev/null
cmake --build "build/$variant"
