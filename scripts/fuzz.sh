#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS]: builds the libFuzzer targets with clang
# (ASan + UBSan), runs each for SECONDS (default 60) and merges what found new
# coverage back into its corpus, fuzz/corpus/<name>. A long run
# (scripts/fuzz.sh 600) followed by a commit of fuzz/corpus is how the
# corpora grow; they stay minimal because only new coverage is merged in.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/setup-deps.sh
CC=clang CXX=clang++ scripts/build.sh build-fuzz -DK9_BUILD_GUI=OFF -DK9_BUILD_TESTS=OFF \
  -DK9_BUILD_BENCH=OFF -DK9_BUILD_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
status=0
for fuzzer in build-fuzz/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name="$(basename "$fuzzer")"
  subject="${name#fuzz_}"
  corpus="fuzz/corpus/$subject"
  work="build-fuzz/corpus/$subject"
  # The repository corpus is only read while fuzzing: new inputs go to the
  # work folder, which starts empty so that it holds this run's finds alone.
  rm -rf "$work"
  mkdir -p "$work" "$corpus"
  options=(-print_final_stats=1 -timeout=10 -rss_limit_mb=2048 -artifact_prefix="build-fuzz/$name-")
  [ -f "fuzz/dict/$subject.dict" ] && options+=(-dict="fuzz/dict/$subject.dict")
  echo "-- $name for ${seconds}s"
  if ! "$fuzzer" "${options[@]}" -max_total_time="$seconds" "$work" "$corpus" >"build-fuzz/$name.log" 2>&1; then
    tail -n 40 "build-fuzz/$name.log"
    status=1
    continue
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec)' "build-fuzz/$name.log" || true
  # Only inputs that add coverage to what the corpus already reaches join it.
  "$fuzzer" "${options[@]}" -merge=1 "$corpus" "$work" >"build-fuzz/$name-merge.log" 2>&1
  grep -E 'MERGE-OUTER: [0-9]+ new files' "build-fuzz/$name-merge.log" || true
done
exit "$status"
