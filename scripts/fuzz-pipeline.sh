#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) straight from the few sources they need, seeds
# each with small valid files, and runs each for SECONDS (default 120).
# Findings land in build-fuzz/findings/<target>/.
# Usage: scripts/fuzz-pipeline.sh [SECONDS] [TARGET...]   (targets: exif jpeg png gif bmp)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(exif jpeg png gif bmp)
out=build-fuzz
mkdir -p "$out"

CXX=${CXX:-clang++}
flags=(-std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
       -I src $(pkg-config --cflags Qt6Core Qt6Gui))
libs=($(pkg-config --libs Qt6Core Qt6Gui) -ljpeg -lpng -lgif)
decoders=(src/engine/JpegDecoder.cpp src/engine/PngDecoder.cpp src/engine/GifDecoder.cpp
          src/engine/BmpDecoder.cpp src/engine/DecodeOptions.cpp src/engine/ImageError.cpp)
exif=(src/display/ExifInfo.cpp src/display/ExifLines.cpp)

seed() {  # seed <target> <dir>
  local dir=$2
  mkdir -p "$dir"
  case $1 in
    jpeg) convert -size 16x12 gradient:red-blue "$dir/a.jpg"
          convert -size 16x12 gradient:red-blue -interlace JPEG "$dir/p.jpg"
          convert -size 16x12 gradient: -colorspace Gray "$dir/g.jpg"
          convert -size 16x12 gradient:red-blue -colorspace CMYK "$dir/c.jpg" ;;
    png)  convert -size 16x12 gradient:red-blue "$dir/a.png"
          convert -size 16x12 gradient:red-blue -alpha set -channel A -evaluate set 50% -interlace PNG "$dir/i.png"
          convert -size 16x12 gradient: -depth 16 "$dir/d.png"
          convert -size 16x12 gradient:red-blue -colors 8 "PNG8:$dir/p.png" ;;
    gif)  convert -size 16x12 gradient:red-blue "$dir/a.gif"
          convert -size 16x12 xc:none -fill red -draw 'rectangle 2,2 8,8' -interlace GIF "$dir/t.gif" ;;
    bmp)  convert -size 16x12 gradient:red-blue "$dir/a.bmp"
          convert -size 16x12 gradient:red-blue -alpha set "BMP3:$dir/b.bmp"
          convert -size 16x12 gradient:red-blue -colors 16 "BMP3:$dir/p.bmp" ;;
    exif) # A JPEG header with an APP1 holding IFD0 (Orientation, Make), an
          # Exif directory (DateTimeOriginal, ExposureTime) and IFD1, little-endian.
          printf '\xff\xd8\xff\xe1\x00\x5e\x45\x78\x69\x66\x00\x00'\
'\x49\x49\x2a\x00\x08\x00\x00\x00'\
'\x03\x00\x12\x01\x03\x00\x01\x00\x00\x00\x06\x00\x00\x00'\
'\x0f\x01\x02\x00\x04\x00\x00\x00\x41\x42\x43\x00'\
'\x69\x87\x04\x00\x01\x00\x00\x00\x2c\x00\x00\x00'\
'\x00\x00\x00\x00'\
'\x02\x00\x03\x90\x02\x00\x14\x00\x00\x00\x4a\x00\x00\x00'\
'\x9a\x82\x05\x00\x01\x00\x00\x00\x5e\x00\x00\x00'\
'\x00\x00\x00\x00'\
'2010:08:15 09:30:00\x00\x01\x00\x00\x00\xfa\x00\x00\x00'\
'\xff\xc0\x00\x0b\x08\x00\x0c\x00\x10\x01\x01\x11\x00\xff\xd9' > "$dir/e.jpg"
          convert -size 16x12 gradient:red-blue "$dir/plain.jpg" ;;
  esac
}

for t in "${targets[@]}"; do
  sources=("${decoders[@]}")
  [ "$t" = exif ] && sources=("${exif[@]}")
  echo "== building fuzz_$t"
  "$CXX" "${flags[@]}" "fuzz/fuzz_$t.cpp" "${sources[@]}" "${libs[@]}" -o "$out/fuzz_$t"
  corpus=$out/corpus/$t
  [ -d "$corpus" ] || seed "$t" "$corpus"
  # Inputs that once failed stay in the corpus.
  [ -d "fuzz/regressions/$t" ] && cp fuzz/regressions/"$t"/* "$corpus/"
  findings=$out/findings/$t
  mkdir -p "$findings"
  echo "== running fuzz_$t for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
    "$out/fuzz_$t" "$corpus" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -max_len=262144 -print_final_stats=1 -artifact_prefix="$findings/" 2>&1 | tail -n 15 || true
  # A finding stops that target's run; the others still run.
  ls "$findings" | sed "s|^|finding: $findings/|"
done
