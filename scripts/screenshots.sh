#!/usr/bin/env bash
# Plays the demo slideshow under Xvfb at 1920 x 1080 and saves what a user
# sees as PNG files in the folder given (default build/screenshots): the
# labels in each of the four corners, the paused slideshow with its context
# menu, and the main window with the detail options folded out.
# The program runs from a copy in a temporary folder, so the demo's own
# files in build/bin/ stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mkdir -p "${1:-build/screenshots}" && cd "${1:-build/screenshots}" && pwd)
if [ -z "${BRINMORA_SCREENSHOTS_INNER:-}" ]; then
  BRINMORA_DEMO_PREPARE_ONLY=1 bash scripts/demo.sh
  BRINMORA_SCREENSHOTS_INNER=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" bash "$0" "$out"
fi
name="デモ"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp build/bin/brinmora "$work/"
mkdir -p "$work/SlideShow/$name"
cp "build/bin/SlideShow/$name/DIR.dat" "build/bin/SlideShow/$name/BGM.dat" "$work/SlideShow/$name/"
printf '%s\r\n' "$name" | iconv -f UTF-8 -t CP932 > "$work/SlideShow/SlideShow.dat"

# Options of one run: every label on, the label group at corner $1, a plain
# cross-fade so the pictures are whole when they are taken.
options() {
  printf '[Option]\r\nInterval=30\r\nImgEffect=なし\r\nSlideEffect=クロスフェード\r\n'
  printf '[Label]\r\nSlideName=1\r\nGName=1\r\nNum=1\r\nDate=1\r\nBGMName=1\r\nState=1\r\nClock=1\r\nExif=1\r\nGuide=1\r\nGGroupPos=%s\r\n' "$1"
}

session() {  # corner
  local corner=$1
  options "$corner" | iconv -f UTF-8 -t CP932 > "$work/SlideShow/$name/Slide.ini"
  "$work/brinmora" /autostart "$name" > "$work/run.log" 2>&1 &
  local pid=$!
  # The Exif picture (second folder, second image) shows the most labels;
  # images are stepped one by one while the slideshow is paused.
  sleep 5
  xdotool key ctrl+Right; sleep 2; xdotool key space; sleep 1; xdotool key Right; sleep 2
  import -window root "$out/corner-$corner.png"
  if [ "$corner" = 0 ]; then
    xdotool mousemove 960 540 click 3; sleep 1
    import -window root "$out/paused-menu.png"
    xdotool key Escape; sleep 1
    xdotool key Escape; sleep 2
    xdotool search --onlyvisible --name "Brinmora" windowactivate 2>/dev/null || true
    import -window root "$out/main-window.png"
  fi
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

for corner in 0 1 2 3; do
  session "$corner"
done
echo "screenshots in $out"
