#!/usr/bin/env bash
# Adds Brinmora to the desktop's application menu for the current user: a
# desktop entry that starts the program in its folder (where it keeps its
# settings and slideshows) and the program icon.
#
#   scripts/install-desktop-entry.sh [program folder]   (default: build/bin)
#   scripts/install-desktop-entry.sh --remove
#
# Files go below $XDG_DATA_HOME (default ~/.local/share): applications/
# brinmora.desktop and icons/hicolor/scalable/apps/brinmora.svg.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
data_home=${XDG_DATA_HOME:-$HOME/.local/share}
entry="$data_home/applications/brinmora.desktop"
icon="$data_home/icons/hicolor/scalable/apps/brinmora.svg"

refresh_menus() {
  if command -v update-desktop-database >/dev/null 2>&1; then
    update-desktop-database -q "$data_home/applications" 2>/dev/null || true
  fi
  if command -v gtk-update-icon-cache >/dev/null 2>&1; then
    gtk-update-icon-cache -q -t "$data_home/icons/hicolor" 2>/dev/null || true
  fi
}

if [ "${1:-}" = "--remove" ]; then
  rm -f "$entry" "$icon"
  refresh_menus
  echo "removed $entry"
  exit 0
fi

folder=${1:-$source_dir/build/bin}
if [ ! -x "$folder/brinmora" ]; then
  echo "install-desktop-entry: no program at $folder/brinmora (build it first, or name its folder)" >&2
  exit 1
fi
folder=$(cd "$folder" && pwd)

# Exec takes the program quoted, with the characters that are special inside
# quotes escaped by a backslash, then every backslash doubled for the
# string value; a percent sign is written twice. Path is a plain string.
quoted=$(printf '%s' "$folder/brinmora" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')
path_value=$(printf '%s' "$folder" | sed -e 's/\\/\\\\/g')
exec_line="\"$quoted\""

mkdir -p "$(dirname "$entry")" "$(dirname "$icon")"
tmp=$(mktemp --suffix=.desktop "$entry.XXXXXX")
trap 'rm -f "$tmp"' EXIT
# The values come through the environment, so awk reads them as they stand
# (no escape sequences, no pattern characters).
EXEC_LINE=$exec_line PATH_VALUE=$path_value awk '
  function put(key, value,   i) {
    while ((i = index($0, key)) > 0) $0 = substr($0, 1, i - 1) value substr($0, i + length(key))
  }
  { put("@EXEC@", ENVIRON["EXEC_LINE"]); put("@PATH@", ENVIRON["PATH_VALUE"]); print }' \
  "$source_dir/data/brinmora.desktop.in" > "$tmp"
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$tmp"
fi
chmod 644 "$tmp"
mv "$tmp" "$entry"
trap - EXIT
cp "$source_dir/data/brinmora.svg" "$icon"
refresh_menus
echo "installed $entry (program: $folder)"
