#!/usr/bin/env bash
# The whole test suite: formatting, the normal build, and the sanitizer build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
scripts/check-format.sh
scripts/build.sh build
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/build.sh build-asan -DQUILLON_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DQUILLON_BENCHMARKS=OFF
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
