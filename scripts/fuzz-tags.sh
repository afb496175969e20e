#!/usr/bin/env bash
# Builds the tag-reader fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it for a while.
# Usage: scripts/fuzz-tags.sh [seconds=60] [build folder=build-fuzz]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
out=${2:-build-fuzz}
mkdir -p "$out/tags-corpus" "$out/tags-findings"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -Isrc $(pkg-config --cflags Qt6Core) -fPIC \
  fuzz/tags/TagFuzzer.cpp src/music/Id3v1Tag.cpp src/music/Id3v2Tag.cpp src/music/TagText.cpp src/music/TagByteSource.cpp \
  $(pkg-config --libs Qt6Core) -o "$out/fuzz-tags"
# Seeds: small tags of each version.
printf 'ID3\x03\x00\x00\x00\x00\x00\x11TIT2\x00\x00\x00\x07\x00\x00\x00Title\x00' > "$out/tags-corpus/v23"
printf 'ID3\x02\x00\x00\x00\x00\x00\x0eTT2\x00\x00\x05\x01\xff\xfeA\x00' > "$out/tags-corpus/v22"
printf 'ID3\x04\x00\x10\x00\x00\x00\x00TALB\x00\x00\x00\x03\x00\x00\x01\xfe\xff' > "$out/tags-corpus/v24"
{ printf 'TAG'; head -c 124 /dev/zero | tr '\0' 'a'; printf '\x00\x07\x0c'; } > "$out/tags-corpus/v11"
"$out/fuzz-tags" -max_total_time="$seconds" -max_len=4096 -artifact_prefix="$out/tags-findings/" \
  "$out/tags-corpus"
