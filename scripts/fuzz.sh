#!/usr/bin/env bash
# fuzz.sh SECONDS [libFuzzer options...]: builds the fuzzer in build-fuzz (clang,
# AddressSanitizer, UndefinedBehaviorSanitizer) and runs it for SECONDS on one
# core, starting from the samples and files written by the tests' A-file
# builder. The corpus grows in build-fuzz/corpus across runs; a crashing input
# is left in build-fuzz/artifacts and the script fails.
set -euo pipefail
seconds=${1:?usage: fuzz.sh SECONDS [libFuzzer options...]}
shift
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build-fuzz"
"$root/scripts/build.sh" build-fuzz -DQUILLON_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
  -DQUILLON_GUI=OFF -DQUILLON_TESTS=OFF -DQUILLON_BENCHMARKS=OFF -DQUILLON_WERROR=ON
mkdir -p "$dir/corpus" "$dir/seeds" "$dir/artifacts"
"$dir/fuzz/quillon_fuzz_seeds" "$dir/seeds"
cp "$root"/samples/*.TXT "$dir/seeds/"
# Short inputs keep the rate high; the seeds are cut to this length as they
# load, and whole months of data are still reached through the small files.
"$dir/fuzz/quillon_fuzz" -max_total_time="$seconds" -max_len=2048 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$dir/artifacts/" "$@" "$dir/corpus" "$dir/seeds"
