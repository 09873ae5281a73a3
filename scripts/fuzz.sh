#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, ASan and UBSan, and runs each for a while:
# scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
"$here/scripts/setup.sh" clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S "$here" -B "$here/build-fuzz" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVIK_BUILD_FUZZERS=ON -DORVIK_BUILD_TESTS=OFF
cmake --build "$here/build-fuzz" --target DocumentFuzzer SideFileFuzzer
for fuzzer in DocumentFuzzer SideFileFuzzer; do
  corpus="$here/build-fuzz/corpus/$fuzzer"
  mkdir -p "$corpus"
  "$here/build-fuzz/fuzz/$fuzzer" "$corpus" -max_total_time="$seconds" -rss_limit_mb=4096
done
