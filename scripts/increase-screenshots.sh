#!/usr/bin/env bash
# Plays the demo slideshow with the photo-pile transition under Xvfb at
# 1920 x 1080 for about 30 slides, one second apart, with the album artwork
# of the demo tunes, and saves screenshots of the growing pile and of the
# artwork card turning over into the folder given (default
# build/screenshots-increase). Optional second argument: the print border
# ("なし", "標準" or "ポラロイド", default "標準").
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mkdir -p "${1:-build/screenshots-increase}" && cd "${1:-build/screenshots-increase}" && pwd)
frame=${2:-標準}
if [ -z "${BRINMORA_SCREENSHOTS_INNER:-}" ]; then
  BRINMORA_DEMO_PREPARE_ONLY=1 bash scripts/demo.sh
  BRINMORA_SCREENSHOTS_INNER=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" bash "$0" "$out" "$frame"
fi
name="デモ"
work=$(mktemp -d)
trap 'cp "$work/run.log" "$out/run.log" 2>/dev/null; rm -rf "$work"' EXIT
cp build/bin/brinmora "$work/"
mkdir -p "$work/SlideShow/$name"
cp "build/bin/SlideShow/$name/DIR.dat" "$work/SlideShow/$name/"
# The artwork turns over 20 seconds after its track started, and the demo
# tunes are shorter than that: the music here is one 60-second quiet tone
# beside a copy of the demo's cover.
mkdir -p "$work/music"
cp build/demo-music/cover.jpg "$work/music/"
python3 - "$work/music/tone.wav" <<'PY'
import math, struct, sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000)
    w.writeframes(bytes(128 + int(8 * math.sin(2 * math.pi * 220 * i / 8000)) for i in range(8000 * 60)))
PY
printf '"%s",1\r\n' "$work/music/tone.wav" | iconv -f UTF-8 -t CP932 > "$work/SlideShow/$name/BGM.dat"
printf '%s\r\n' "$name" | iconv -f UTF-8 -t CP932 > "$work/SlideShow/SlideShow.dat"
{
  printf '[Option]\r\nInterval=1\r\nImgEffect=なし\r\nSlideEffect=インクリース\r\n'
  printf '[Effect]\r\nIncreaseIdx=グレースケール\r\nIncFrame=%s\r\nIncRotate=1\r\n' "$frame"
  printf '[Label]\r\nSlideName=1\r\nGName=1\r\nNum=1\r\nBGMName=1\r\nState=1\r\nArt=1\r\nArtSize=2\r\nArtEffect=2\r\nClock=1\r\nGGroupPos=0\r\n'
} | iconv -f UTF-8 -t CP932 > "$work/SlideShow/$name/Slide.ini"
"$work/brinmora" /autostart "$name" > "$work/run.log" 2>&1 &
pid=$!
start=$(date +%s.%N)
shot() {  # seconds-after-start name
  local wait
  wait=$(echo "$1 - ($(date +%s.%N) - $start)" | bc)
  if [ "$(echo "$wait > 0" | bc)" = 1 ]; then sleep "$wait"; fi
  import -window root "$out/$2.png"
}
shot 4 pile-early
shot 12 pile-middle
# The artwork turns over 20 seconds after the music started; the turn takes
# about half a second.
for t in $(seq 20.5 0.12 23.5); do shot "$t" "art-$t"; done
shot 34 pile-30
kill -TERM "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "screenshots in $out"
