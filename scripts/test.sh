#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole suite through CTest.
# With --sanitize the build uses AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$here/build"
options=()
if [ "${1:-}" = "--sanitize" ]; then
  build_dir="$here/build-sanitize"
  options+=(-DORVIK_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
"$here/scripts/setup.sh"
"$here/scripts/build.sh" "$build_dir" -DORVIK_BUILD_TESTS=ON "${options[@]}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
