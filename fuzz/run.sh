#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each one for a
# bounded time, starting from its seed corpus in fuzz/corpus/. Any finding
# fails the run: a crash, a sanitizer report, a timeout, too much memory.
#   fuzz/run.sh [seconds per target, default 60]
# What a target finds is kept in build-fuzz/fuzz/findings/<target>/; the
# inputs it learns go to build-fuzz/fuzz/work/<target>/, never into the
# repository. Rerun one finding with
#   build-fuzz/fuzz/quendelmar_<target>_fuzzer FILE
# (with QUENDELMAR_FUZZ_SHOW=1 to see what the game printed).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=${FUZZ_BUILD:-build-fuzz}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DQUENDELMAR_FUZZ=ON
cmake --build "$build" --target fuzzers

for target in play_lines save_file; do
  work="$build/fuzz/work/$target"
  findings="$build/fuzz/findings/$target"
  mkdir -p "$work" "$findings"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$findings/")
  if [ -f "fuzz/$target.dict" ]; then options+=(-dict="fuzz/$target.dict"); fi
  echo "== Fuzzing $target for $seconds s"
  if ! "$build/fuzz/quendelmar_${target}_fuzzer" "${options[@]}" "$work" "fuzz/corpus/$target"; then
    echo "Fuzzing $target found a fault; the input is in $findings/" >&2
    exit 1
  fi
done
