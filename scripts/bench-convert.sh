#!/usr/bin/env bash
# bench-convert.sh [MONTHS]: times whole conversions through quillon-cli, the
# way station staff run it: MONTHS (120 unless given) hourly station-months
# into both workbooks with every element ticked, on one thread and on two,
# each run twice: first into new workbooks, then replacing them (the disk
# then also frees the old ones). Prints wall time, CPU time, station-months
# per second of wall time and peak memory. Builds an optimised quillon-cli in
# build-run.
set -euo pipefail
months=${1:-120}
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" build-run -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF \
  -DQUILLON_BENCHMARKS=OFF -DQUILLON_GUI=OFF >/dev/null
cli="$root/build-run/quillon-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The bundled hourly month with the most bytes stands for every month.
sample=$(ls -S "$root"/samples/A*.TXT | head -1)
mkdir "$work/archive" "$work/out"
for ((i = 0; i < months; i++)); do
  cp "$sample" "$(printf '%s/archive/A52866-%04d%02d.TXT' "$work" $((2000 + i / 12)) $((i % 12 + 1)))"
done
printf '%-8s %-8s %9s %9s %16s %10s\n' threads books "wall s" "CPU s" "months/s (wall)" "peak MB"
for threads in 1 2; do
  for run in new replaced; do
    [[ $run == new ]] && rm -f "$work"/out/*
    sync
    start=$(date +%s%N)
    /usr/bin/time -f '%U %S %M' -o "$work/time" "$cli" convert "$work/archive" \
      --hourly hourly --stats stats --out "$work/out" --threads "$threads" >/dev/null 2>&1
    wall=$((($(date +%s%N) - start) / 1000000))e-3
    read -r user sys peak <"$work/time"
    awk -v t="$threads" -v r="$run" -v w="$wall" -v u="$user" -v s="$sys" -v p="$peak" -v m="$months" \
      'BEGIN { printf "%-8s %-8s %9.3f %9.3f %16.0f %10.1f\n", t, r, w, u + s, m / (w > 0 ? w : 0.001), p / 1024 }'
  done
done
