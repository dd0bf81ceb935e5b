#!/usr/bin/env bash
# bench-convert.sh [MONTHS] [RUNS]: times whole conversions through
# quillon-cli, the way station staff run it: MONTHS (120 unless given) hourly
# station-months into both workbooks with every element ticked, on one thread
# and on two, both into new workbooks and replacing them (the disk then also
# frees the old ones), and into new ones from an archive not in memory ("cold":
# dropped from the page cache first, as an archive not read for a long time
# is). Each is run RUNS times (5 unless given), alternately,
# as a shared machine's speed drifts from one second to the next; prints the
# median wall and CPU time, station-months per second of the median and of
# the fastest run, and the peak memory. Builds an optimised quillon-cli in
# build-run.
set -euo pipefail
months=${1:-120}
runs=${2:-5}
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
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
for ((r = 0; r < runs; r++)); do
  for threads in 1 2; do
    for run in new replaced cold; do
      [[ $run != replaced ]] && rm -f "$work"/out/*
      if [[ $run == cold ]]; then
        for f in "$work"/archive/*; do dd if="$f" iflag=nocache count=0 status=none; done
      fi
      sync
      start=$(date +%s%N)
      /usr/bin/time -f '%U %S %M' -o "$work/time" "$cli" convert "$work/archive" \
        --hourly hourly --stats stats --out "$work/out" --threads "$threads" >/dev/null 2>&1
      wall=$((($(date +%s%N) - start) / 1000))
      read -r user sys peak <"$work/time"
      echo "$wall $user $sys $peak" >>"$work/$threads-$run"
    done
  done
done
printf '%-8s %-8s %9s %9s %16s %16s %10s\n' threads books "wall s" "CPU s" "months/s median" "months/s best" "peak MB"
for threads in 1 2; do
  for run in new replaced cold; do
    f="$work/$threads-$run"
    wall=$(cut -d' ' -f1 "$f" | median)
    best=$(cut -d' ' -f1 "$f" | sort -n | head -1)
    cpu=$(awk '{print $2 + $3}' "$f" | median)
    peak=$(cut -d' ' -f4 "$f" | sort -n | tail -1)
    awk -v t="$threads" -v r="$run" -v w="$wall" -v b="$best" -v c="$cpu" -v p="$peak" -v m="$months" \
      'BEGIN { printf "%-8s %-8s %9.3f %9.3f %16.0f %16.0f %10.1f\n", t, r, w / 1e6, c, m * 1e6 / w, m * 1e6 / b, p / 1024 }'
  done
done
