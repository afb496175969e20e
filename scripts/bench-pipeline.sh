#!/usr/bin/env bash
# Runs the picture-pipeline benchmark and, on the same 24-megapixel photo,
# ImageMagick's single-threaded box reduction to 1620 x 1080, then prints our
# median times as a ratio of ImageMagick's.
# Usage: scripts/bench-pipeline.sh [builddir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target bench_pipeline --parallel 2 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

BRINMORA_BENCH_DIR="$work" "$build/bin/bench_pipeline" \
  --benchmark_out="$work/bench.json" --benchmark_out_format=json

python3 - "$work" <<'PY'
import json, os, statistics, subprocess, sys, time

work = sys.argv[1]
photo = os.path.join(work, "photo24mp.jpg")
walls, cpus = [], []
for _ in range(7):
    start = time.monotonic()
    proc = subprocess.Popen(["convert", "-limit", "thread", "1", photo, "-filter", "box",
                             "-resize", "1620x1080", os.path.join(work, "out.bmp")])
    _, status, usage = os.wait4(proc.pid, 0)
    walls.append((time.monotonic() - start) * 1000)
    cpus.append((usage.ru_utime + usage.ru_stime) * 1000)
    if status != 0:
        sys.exit("convert failed")
im_wall, im_cpu = statistics.median(walls), statistics.median(cpus)

medians = {}
for b in json.load(open(os.path.join(work, "bench.json")))["benchmarks"]:
    if b.get("aggregate_name") == "median":
        medians[b["run_name"].split("/")[0]] = (b["real_time"], b["cpu_time"])

print()
print(f"{'median, ms':48} {'wall':>9} {'cpu':>9}")
for name, (wall, cpu) in medians.items():
    print(f"{name:48} {wall:9.1f} {cpu:9.1f}")
print(f"{'ImageMagick convert -filter box -resize 1620x1080':48} {im_wall:9.1f} {im_cpu:9.1f}")
slide = medians.get("BM_WholeSlide24MP_1920x1080")
if slide:
    print(f"whole 24 MP slide / ImageMagick: wall {slide[0] / im_wall:.2f}, cpu {slide[1] / im_cpu:.2f}")
PY
