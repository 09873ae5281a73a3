#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, ASan and UBSan, writes their seed corpora with the
# sample generator (fuzz/make_seeds.py) and runs each target for a while:
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [--corpus DIR] [--target NAME]...
# SECONDS_PER_TARGET defaults to 60. New corpus entries are kept in DIR/<target> (default
# $ORVIK_FUZZ_CORPUS, else ~/.cache/orvik-fuzz), outside the repository unless DIR names a folder
# in it, so later runs go on from them. A finding (crash, leak, sanitizer report, timeout, memory
# blow-up) is written to DIR/findings and ends the script with a non-zero status.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds=60
corpus_root="${ORVIK_FUZZ_CORPUS:-$HOME/.cache/orvik-fuzz}"
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --corpus) corpus_root="$2"; shift 2 ;;
    --target) targets+=("$2"); shift 2 ;;
    *) seconds="$1"; shift ;;
  esac
done
[ ${#targets[@]} -gt 0 ] || targets=(DocumentFuzzer SideFileFuzzer ArchiveFuzzer)

"$here/scripts/setup.sh" clang libclang-rt-14-dev python3
build="$here/build-fuzz"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja "${launcher[@]}" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVIK_BUILD_FUZZERS=ON -DORVIK_BUILD_TESTS=OFF
cmake --build "$build" --target "${targets[@]}" orvik-xml-sample

seeds="$build/seeds"
rm -rf "$seeds"
python3 "$here/fuzz/make_seeds.py" "$build/tools/sample/orvik-xml-sample" "$seeds"

export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
mkdir -p "$corpus_root/findings"
for fuzzer in "${targets[@]}"; do
  mkdir -p "$corpus_root/$fuzzer"
  options=(-max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 -print_final_stats=1
           -artifact_prefix="$corpus_root/findings/$fuzzer-")
  [ -f "$here/fuzz/$fuzzer.dict" ] && options+=(-dict="$here/fuzz/$fuzzer.dict")
  echo "== $fuzzer: $seconds s, corpus $corpus_root/$fuzzer"
  "$build/fuzz/$fuzzer" "${options[@]}" "$corpus_root/$fuzzer" "$seeds/$fuzzer"
done
