#!/usr/bin/env bash
# Exports a 20-picture slideshow (default interval, 1920 x 1080, 30 fps, two
# MIDI tunes) with brinmora-render video and prints the wall time as a ratio
# of the video's length and where it went. Pictures come from Debian's
# mate-backgrounds when installed (real camera JPEGs), else are drawn here.
# Runs three looks: the default shuffled filters and transitions, shuffled
# transitions without filters, and neither, so the differences show the share
# of the filters and of the transitions.
# Usage: scripts/bench-video.sh [build-folder] [looks]   (looks: 1..3, default 3)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
looks=${2:-3}
render=$PWD/$build/bin/brinmora-render
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/pics" "$work/prog/SlideShow/bench"

mapfile -t photos < <(find /usr/share/backgrounds/mate -name '*.jpg' 2>/dev/null | sort | head -20)
for i in $(seq 0 19); do
  out=$(printf '%s/pics/%02d.jpg' "$work" "$i")
  if [ "${#photos[@]}" -gt 0 ]; then
    cp "${photos[$((i % ${#photos[@]}))]}" "$out"
  else
    convert -size 2400x1600 "plasma:fractal" -seed "$i" -quality 90 "$out"
  fi
done
bash scripts/make-demo-music.sh "$work/music" | while read -r p; do printf '"%s",1\r\n' "$p"; done \
  | iconv -f UTF-8 -t CP932 > "$work/prog/SlideShow/bench/BGM.dat"
printf '"%s",1\r\n' "$work/pics" > "$work/prog/SlideShow/bench/DIR.dat"
printf 'bench\r\n' > "$work/prog/SlideShow/SlideShow.dat"

run() {  # label, filter, transition
  printf '[Option]\r\nImgEffect=%s\r\nSlideEffect=%s\r\n' "$2" "$3" | iconv -f UTF-8 -t CP932 \
    > "$work/prog/SlideShow/bench/Slide.ini"
  echo "== $1"
  "$render" video --program-folder "$work/prog" --slideshow bench --size 1920x1080 --fps 30 --seed 1 "$work/bench.mp4"
  ls -l "$work/bench.mp4" | awk '{print "file size", $5, "bytes"}'
}
run "shuffled filters and transitions (the defaults)" シャッフル シャッフル
[ "$looks" -ge 2 ] && run "shuffled transitions, no filter" なし シャッフル
[ "$looks" -ge 3 ] && run "no filter, no transition" なし なし
exit 0
