#!/usr/bin/env bash
# Writes two short General MIDI tunes for the demo slideshow into a folder
# and prints their paths, one per line.
# Usage: scripts/make-demo-music.sh <folder>
# For a demo BGM list:
#   scripts/make-demo-music.sh "$music" | while read -r p; do printf '"%s",1\r\n' "$p"; done \
#     | iconv -f UTF-8 -t CP932 > "SlideShow/<name>/BGM.dat"
set -euo pipefail
folder=${1:?usage: make-demo-music.sh <folder>}
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)

hex2() { printf '%02x' "$1"; }
hex4() { printf '%08x' "$1"; }
# MIDI variable-length quantity.
vlq() {
  local v=$1 out
  out=$(hex2 $((v & 0x7F)))
  v=$((v >> 7))
  while ((v > 0)); do
    out=$(hex2 $(((v & 0x7F) | 0x80)))$out
    v=$((v >> 7))
  done
  printf '%s' "$out"
}

declare -A KEY=([C]=60 [D]=62 [E]=64 [F]=65 [G]=67 [A]=69 [B]=71 [c]=72 [d]=74 [e]=76)
# $1: output file, $2: microseconds per quarter note, $3: General MIDI
# program, rest: melody notes "key:beats:bass" (bass key name or "-").
write_tune() {
  local out=$1 tempo=$2 program=$3
  shift 3
  local track="00ff5103$(printf '%06x' "$tempo")"
  track+="00c0$(hex2 "$program")00c120"  # melody instrument; fingered bass
  local n key beats bass ticks
  for n in "$@"; do
    IFS=: read -r key beats bass <<<"$n"
    ticks=$((beats * 480))
    track+="0090$(hex2 "${KEY[$key]}")64"
    [ "$bass" != "-" ] && track+="0091$(hex2 $((KEY[$bass] - 24)))50"
    track+="$(vlq "$ticks")80$(hex2 "${KEY[$key]}")40"
    [ "$bass" != "-" ] && track+="0081$(hex2 $((KEY[$bass] - 24)))40"
  done
  track+="00ff2f00"
  local bytes="4d546864000000060000000101e0"  # format 0, one track, 480 ticks per quarter
  bytes+="4d54726b$(hex4 $((${#track} / 2)))$track"
  printf '%b' "$(sed 's/../\\x&/g' <<<"$bytes")" >"$out"
  echo "$out"
}

# Twinkle, twinkle, little star (traditional), about 17 seconds.
write_tune "$folder/01 きらきら星.mid" 400000 0 \
  C:1:C C:1:- G:1:E G:1:- A:1:F A:1:- G:2:E F:1:D F:1:- E:1:C E:1:- D:1:G D:1:- C:2:C \
  G:1:E G:1:- F:1:D F:1:- E:1:C E:1:- D:2:G G:1:E G:1:- F:1:D F:1:- E:1:C E:1:- D:2:G \
  C:1:C C:1:- G:1:E G:1:- A:1:F A:1:- G:2:E F:1:D F:1:- E:1:C E:1:- D:1:G D:1:- C:2:C
# Ode to joy (Beethoven), about 12 seconds.
write_tune "$folder/02 歓喜の歌.mid" 375000 73 \
  E:1:C E:1:- F:1:- G:1:- G:1:G F:1:- E:1:- D:1:- C:1:C C:1:- D:1:- E:1:- E:1:C D:1:G D:2:- \
  E:1:C E:1:- F:1:- G:1:- G:1:G F:1:- E:1:- D:1:- C:1:C C:1:- D:1:- E:1:- D:1:G C:1:C C:2:-
