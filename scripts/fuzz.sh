#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS]: builds the libFuzzer targets with clang
# (ASan + UBSan) and runs each on its seed corpus for SECONDS (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/setup-deps.sh
CC=clang CXX=clang++ scripts/build.sh build-fuzz -DK9_BUILD_GUI=OFF -DK9_BUILD_TESTS=OFF \
  -DK9_BUILD_BENCH=OFF -DK9_BUILD_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
for fuzzer in build-fuzz/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name="$(basename "$fuzzer")"
  corpus="fuzz/corpus/${name#fuzz_}"
  work="build-fuzz/corpus/${name#fuzz_}"
  mkdir -p "$work"
  echo "-- $name for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="build-fuzz/$name-" "$work" "$corpus" 2>&1 | tail -n 12
done
