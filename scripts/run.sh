#!/usr/bin/env bash
# Builds Quillon and converts the bundled sample A files into both workbooks,
# in a scratch copy so the checkout stays clean.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
scripts/build.sh build
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-samples.XXXXXX")
cp samples/*.TXT "$work"/
build/quillon-cli list "$work"
build/quillon-cli convert "$work" --hourly 时记录 --stats 日月统计值
echo "The workbooks are in $work: 时记录.xls and 日月统计值.xls"
