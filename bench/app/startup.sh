#!/usr/bin/env bash
# Medians of the window's start-up and paste timings, each run a fresh process on one virtual X
# display:   bench/app/startup.sh [BUILD_DIR] [RUNS]   (defaults: build/release, 11)
# Prints, per mode, the median of each figure vantrel_window_bench reports (milliseconds), and
# the median wall time of the whole process (start to exit) for the two start-up modes.
set -euo pipefail

# The runs themselves, on the display this script was started on (see below).
if [ "${1:-}" = --measure ]; then
  tool=$2 runs=$3
  for ((i = 0; i < runs; i++)); do
    for mode in bare window; do
      start=$(date +%s%N)
      line=$("$tool" "$mode" 2>/dev/null)
      end=$(date +%s%N)
      echo "$line process_ms $(((end - start) / 1000))e-3"
    done
    "$tool" paste 2>/dev/null
  done
  exit 0
fi

cd "$(dirname "$0")/../.."
build=${1:-build/release}
runs=${2:-11}
tool=$build/bench/app/vantrel_window_bench
[ -x "$tool" ] || { echo "startup.sh: no $tool; build with -DVANTREL_BENCH=ON" >&2; exit 1; }
self=bench/app/startup.sh
if [ -z "${DISPLAY:-}" ]; then
  out=$(xvfb-run -a -s "-screen 0 1280x1024x24" "$self" --measure "$tool" "$runs")
else
  out=$("$self" --measure "$tool" "$runs")
fi

# Median of every "name value" pair, per mode.
awk '
  { mode = $1; for (i = 2; i < NF; i += 2) { key = mode " " $i; n[key]++; v[key, n[key]] = $(i + 1) + 0 } }
  END {
    for (key in n) {
      m = n[key]
      for (i = 1; i <= m; i++) a[i] = v[key, i]
      for (i = 2; i <= m; i++) { x = a[i]; j = i - 1; while (j > 0 && a[j] > x) { a[j + 1] = a[j]; j-- } a[j + 1] = x }
      med = (m % 2) ? a[(m + 1) / 2] : (a[m / 2] + a[m / 2 + 1]) / 2
      printf "%-40s %10.2f   (median of %d)\n", key, med, m
    }
  }' <<<"$out" | sort
