#!/usr/bin/env bash
# Installs what is missing, builds Brinmora and starts it on a demo slideshow.
# The demo pictures are drawn here on the first run (three folders, several
# sizes, both orientations, one JPEG with an Exif orientation and shooting
# date) with two short tunes for its music list; the program keeps its
# files beside the executable in build/bin/.
# Further arguments go to the build step's CMake configure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build "$@"
bin=$PWD/build/bin
photos=$PWD/build/demo-photos
name="デモ"
font=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf

# A landscape of gradient sky, two mountain ridges and a caption.
scene() {  # width height sky-top sky-bottom ridge caption output
  local w=$1 h=$2 top=$3 bottom=$4 ridge=$5 caption=$6 out=$7
  local fs=$((h / 12))
  convert -size "${w}x${h}" "gradient:${top}-${bottom}" \
    -fill "${ridge}" -draw "polygon 0,$h 0,$((h * 6 / 10)) $((w / 4)),$((h * 4 / 10)) $((w / 2)),$((h * 6 / 10)) $((w * 3 / 4)),$((h * 3 / 10)) $w,$((h * 55 / 100)) $w,$h" \
    -fill "#00000060" -draw "polygon 0,$h 0,$((h * 8 / 10)) $((w / 3)),$((h * 65 / 100)) $((w * 2 / 3)),$((h * 8 / 10)) $w,$((h * 7 / 10)) $w,$h" \
    -fill white -stroke "#00000080" -strokewidth 2 -font "$font" -pointsize "$fs" \
    -gravity north -annotate +0+$((h / 10)) "$caption" \
    -gravity south -pointsize $((fs / 2)) -annotate +0+$((h / 20)) "${w} × ${h}" \
    -depth 8 "$out"
}

# Adds an Exif block (orientation and DateTimeOriginal) right after the start
# of a JPEG file: big-endian TIFF, IFD0 with Orientation and the Exif pointer,
# the Exif directory with DateTimeOriginal.
add_exif() {  # file orientation "YYYY:MM:DD HH:MM:SS"
  local file=$1 orientation=$2 date=$3 tmp
  tmp=$(mktemp)
  {
    head -c 2 "$file"                                     # FF D8
    printf '\xff\xe1\x00\x54Exif\x00\x00'                 # APP1, length 84
    printf 'MM\x00\x2a\x00\x00\x00\x08'                   # TIFF header, IFD0 at 8
    printf '\x00\x02'                                     # IFD0: two entries
    printf '\x01\x12\x00\x03\x00\x00\x00\x01\x00'"\\x$(printf %02x "$orientation")"'\x00\x00'
    printf '\x87\x69\x00\x04\x00\x00\x00\x01\x00\x00\x00\x26'  # Exif IFD at 38
    printf '\x00\x00\x00\x00'                             # no next IFD
    printf '\x00\x01'                                     # Exif IFD: one entry
    printf '\x90\x03\x00\x02\x00\x00\x00\x14\x00\x00\x00\x38'  # 20 bytes at 56
    printf '\x00\x00\x00\x00'
    printf '%s\x00' "$date"
    tail -c +3 "$file"
  } > "$tmp"
  chmod 644 "$tmp"
  mv "$tmp" "$file"
}

if [ ! -f "$photos/.complete" ]; then
  rm -rf "$photos"
  mkdir -p "$photos/山" "$photos/海" "$photos/街"
  scene 4000 3000 "#1e3c72" "#a8c0ff" "#2d3a4a" "朝の山並み" "$photos/山/01_朝.jpg"
  scene 1200 1600 "#ff7e5f" "#feb47b" "#4a2c2a" "縦の写真" "$photos/山/02_縦.jpg"
  scene 640 480 "#11998e" "#38ef7d" "#1d4037" "小さな写真" "$photos/山/03_小.jpg"
  scene 2400 1000 "#0f2027" "#2c5364" "#0b1a20" "パノラマ" "$photos/海/01_パノラマ.jpg"
  # Stored lying on its side; the Exif orientation 6 turns it upright.
  scene 1200 1600 "#f12711" "#f5af19" "#3a1c1c" "Exif 回転 (6)" "$photos/海/02_exif.jpg"
  convert "$photos/海/02_exif.jpg" -rotate -90 -quality 90 "$photos/海/02_exif.jpg"
  add_exif "$photos/海/02_exif.jpg" 6 "2023:10:14 17:45:00"
  scene 1600 1200 "#8e2de2" "#4a00e0" "#1c0b3a" "夜の海" "$photos/海/03_夜.jpg"
  scene 1080 1920 "#e0eafc" "#cfdef3" "#5a6b7c" "PNG 縦長" "$photos/街/01_png.png"
  scene 800 600 "#fceabb" "#f8b500" "#6b4a10" "GIF" "$photos/街/02_gif.gif"
  scene 1024 768 "#c9d6ff" "#e2e2e2" "#3c4a6b" "BMP" "BMP3:$photos/街/03_bmp.bmp"
  touch "$photos/.complete"
fi

show="$bin/SlideShow/$name"
if [ ! -d "$show" ]; then
  mkdir -p "$show"
  printf '"%s",1\r\n"%s",1\r\n"%s",1\r\n' "$photos/山" "$photos/海" "$photos/街" | iconv -f UTF-8 -t CP932 > "$show/DIR.dat"
  bash scripts/make-demo-music.sh "$PWD/build/demo-music" | while read -r p; do printf '"%s",1\r\n' "$p"; done \
    | iconv -f UTF-8 -t CP932 > "$show/BGM.dat"
  # A quicker interval than the default, and the date and Exif labels on.
  printf '[Option]\r\nInterval=4\r\n[Label]\r\nDate=1\r\nExif=1\r\n' > "$show/Slide.ini"
  # The demo joins the slideshows already kept, if any.
  catalogue="$bin/SlideShow/SlideShow.dat"
  if ! { [ -f "$catalogue" ] && iconv -f CP932 -t UTF-8 "$catalogue" 2>/dev/null | tr -d '\r' | grep -qxF "$name"; }; then
    printf '%s\r\n' "$name" | iconv -f UTF-8 -t CP932 >> "$catalogue"
  fi
  if [ ! -f "$bin/App.ini" ]; then
    printf '[App]\r\nVer=1.3\r\n[SlideShow]\r\nLastSlideShowName=%s\r\n' "$name" | iconv -f UTF-8 -t CP932 > "$bin/App.ini"
  fi
fi
# The album artwork beside the tunes: a square cover, shown in the artwork
# panel while the music plays.
music=$PWD/build/demo-music
if [ -d "$music" ] && [ ! -f "$music/cover.jpg" ]; then
  convert -size 600x600 radial-gradient:"#ffd86f"-"#fc6262" \
    -fill "#ffffffc0" -draw "circle 300,300 300,120" \
    -fill "#3a1c71" -draw "circle 300,300 300,250" \
    -fill "#3a1c71" -font "$font" -pointsize 64 -gravity north -annotate +0+40 "デモの曲" \
    -pointsize 40 -gravity south -annotate +0+50 "Brinmora" \
    -quality 92 "$music/cover.jpg"
fi
# BRINMORA_DEMO_PREPARE_ONLY=1 makes the demo without starting the program.
[ "${BRINMORA_DEMO_PREPARE_ONLY:-0}" = "1" ] && exit 0
exec "$bin/brinmora" /autostart "$name"
