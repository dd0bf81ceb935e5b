#!/usr/bin/env bash
# Builds the command line (only what the main job needs) and converts the
# bundled sample A files into both workbooks, in a scratch copy so the
# checkout stays clean.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF -DQUILLON_GUI=OFF \
  -DQUILLON_BENCHMARKS=OFF >/dev/null
cmake --build build-run -j"$(nproc)" --target quillon-cli
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-samples.XXXXXX")
cp samples/*.TXT "$work"/
build-run/quillon-cli list "$work"
build-run/quillon-cli convert "$work" --hourly 时记录 --stats 日月统计值
echo "The workbooks are in $work: 时记录.xls and 日月统计值.xls"
