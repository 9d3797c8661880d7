#!/usr/bin/env bash
# Configures and builds one variant of the project into build/<variant>.
#   release   optimised build with gcc, warnings are errors
#   sanitize  clang build under AddressSanitizer and UndefinedBehaviorSanitizer,
#             with the libFuzzer targets; warnings are errors
#   tsan      clang build under ThreadSanitizer of the tests labelled
#             "threaded" and what they load; warnings are errors
set -euo pipefail
cd "$(dirname "$0")/.."
variant=${1:-release}
targets=()
case "$variant" in
  release)  flags=(-DCMAKE_BUILD_TYPE=Release -DVELVATON_WERROR=ON) ;;
  sanitize) flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELVATON_WERROR=ON -DVELVATON_SANITIZE=ON
                   -DVELVATON_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
  tsan)     flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELVATON_WERROR=ON -DVELVATON_TSAN=ON
                   -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
            targets=(--target tests_threaded) ;;
  *) echo "build.sh: unknown variant '$variant' (release, sanitize, tsan)" >&2; exit 2 ;;
esac
cmake -S . -B "build/$variant" -G Ninja -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ "${flags[@]}" >/dev/null
cmake --build "build/$variant" "${targets[@]}"
