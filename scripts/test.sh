#!/usr/bin/env bash
# The whole test suite: formatting, the normal build, the sanitizer build, and
# builds with GCC at -O3 and with clang, all with warnings as errors, and a
# minute of fuzzing the reading of one A file under both sanitizers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
scripts/check-format.sh
strict=(-DQUILLON_WERROR=ON)
scripts/build.sh build "${strict[@]}"
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/build.sh build-asan "${strict[@]}" -DQUILLON_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
  -DQUILLON_BENCHMARKS=OFF
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
# Optimised GCC builds raise warnings the debug builds never see.
scripts/build.sh build-release "${strict[@]}" -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF \
  -DQUILLON_BENCHMARKS=OFF
scripts/build.sh build-clang "${strict[@]}" -DCMAKE_CXX_COMPILER=clang++ -DQUILLON_BENCHMARKS=OFF
ctest --test-dir build-clang --output-on-failure -j"$(nproc)"
scripts/fuzz.sh 60
