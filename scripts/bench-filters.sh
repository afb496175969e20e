#!/usr/bin/env bash
# Times the filters on one 1440 x 1080 picture on one core and compares the
# nearest ImageMagick operations, run with one thread on the same picture.
# Usage: scripts/bench-filters.sh [builddir] [core]
# Times are medians of CPU time (user + system), which stay meaningful on a
# busy machine; wall-clock medians of our benchmarks are printed as well.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
core=${2:-0}
runs=7
bench="$build/bin/bench_filters"
[ -x "$bench" ] || { echo "bench-filters: $bench is missing; build first" >&2; exit 1; }
magick=/usr/bin/convert
[ -x "$magick" ] || magick=$(command -v convert)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
picture="$work/picture.ppm"
"$magick" -seed 7 -size 1440x1080 plasma:fractal -depth 8 "$picture"

echo "== Brinmora (median of $runs, ms: wall, cpu)"
BRINMORA_BENCH_PICTURE="$picture" taskset -c "$core" "$bench" --benchmark_repetitions=$runs \
  --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
  awk -F, '/_median/ { gsub(/"/, "", $1); sub(/\/repeats:[0-9]+_median/, "", $1); printf "%-28s %8.1f %8.1f\n", $1, $3, $4 }' |
  tee "$work/ours.txt"

# The median CPU time in ms of one ImageMagick command line.
magick_ms() {
  local samples=()
  for _ in $(seq $runs); do
    local t
    t=$( { TIMEFORMAT='%U %S'; time taskset -c "$core" "$magick" -limit thread 1 "$picture" "$@" null: >/dev/null 2>&1; } 2>&1 )
    samples+=("$(awk '{ printf "%.1f", ($1 + $2) * 1000 }' <<<"$t")")
  done
  printf '%s\n' "${samples[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

base=$(magick_ms)
ours() { awk -v n="$1" '$1 == n { print $3 }' "$work/ours.txt"; }
echo
echo "== ImageMagick, one thread (median CPU ms, reading the picture subtracted: $base ms)"
printf '%-22s %10s %-24s %10s %8s\n' "ImageMagick" "ms" "Brinmora" "ms" "ratio"
compare() {
  local label=$1 name=$2
  shift 2
  local total im ourMs
  total=$(magick_ms "$@")
  im=$(awk -v t="$total" -v b="$base" 'BEGIN { printf "%.1f", t - b }')
  ourMs=$(ours "$name")
  printf '%-22s %10s %-24s %10s %8s\n' "$label" "$im" "$name" "$ourMs" \
    "$(awk -v a="$ourMs" -v b="$im" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }')"
}
compare "-colorspace Gray" "Filter/kind:1" -colorspace Gray
compare "-sepia-tone 80%" "Filter/kind:2" -sepia-tone 80%
compare "-blur 0x8" "GaussianBlur8" -blur 0x8
compare "-blur 0x8" "Filter/kind:12" -blur 0x8
compare "-paint 3" "OilPaintSmooth3" -paint 3
compare "-paint 3" "Filter/kind:6" -paint 3
compare "-paint 3" "Filter/kind:5" -paint 3
compare "-sketch 0x20+120" "Filter/kind:7" -sketch 0x20+120
compare "-charcoal 2" "Filter/kind:8" -charcoal 2
compare "-posterize 4" "Filter/kind:9" -posterize 4
compare "-vignette 0x40" "Filter/kind:10" -vignette 0x40
compare "-swirl 90" "Filter/kind:16" -swirl 90
compare "-paint 3" "Filter/kind:18" -paint 3
compare "-blur 0x8 overlay" "Filter/kind:20" \( +clone -blur 0x8 \) -compose overlay -composite
