#!/usr/bin/env bash
# Installs what is missing, builds Brinmora and starts it on a demo slideshow.
# The demo pictures are drawn here; the program keeps its files beside the
# executable in build/bin/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
bin=build/bin
photos=$PWD/build/demo-photos
name="デモ"
if [ ! -d "$photos/山" ]; then
  mkdir -p "$photos/山" "$photos/海"
  i=0
  for spec in "gradient:#1e3c72-#2a5298" "gradient:#f12711-#f5af19" "gradient:#11998e-#38ef7d" \
              "radial-gradient:#fceabb-#f8b500" "gradient:#8e2de2-#4a00e0" "radial-gradient:#e0eafc-#cfdef3"; do
    i=$((i + 1))
    folder="$photos/山"; [ $i -gt 3 ] && folder="$photos/海"
    convert -size 1600x1200 "$spec" -quality 90 "$folder/photo$i.jpg"
  done
fi
if [ ! -d "$bin/SlideShow/$name" ]; then
  mkdir -p "$bin/SlideShow/$name"
  printf '%s,1\r\n%s,1\r\n' "$photos/山" "$photos/海" | iconv -f UTF-8 -t CP932 > "$bin/SlideShow/$name/DIR.dat"
  printf '%s\r\n' "$name" | iconv -f UTF-8 -t CP932 > "$bin/SlideShow/SlideShow.dat"
  printf '[App]\r\nVer=1.3\r\n[SlideShow]\r\nLastSlideShowName=%s\r\n' "$name" | iconv -f UTF-8 -t CP932 > "$bin/App.ini"
fi
exec "$bin/brinmora" "$@"
