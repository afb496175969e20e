#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Brinmora
# needs. Safe to run again: packages already present are left as they are.
set -euo pipefail

PACKAGES=(
  # toolchain and build
  build-essential cmake ninja-build pkg-config git
  # Qt 6 (widgets, D-Bus, platform plugins for X11 and offscreen, translations)
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
  # the SVG program icon (Qt's SVG image and icon plugins)
  libqt6svg6
  # image codecs
  libjpeg62-turbo-dev libpng-dev zlib1g-dev libgif-dev
  # music: GStreamer playbin with the codecs for MP3, WAV, MIDI and WMA.
  # MIDI is decoded by fluiddec (midiparse + fluidsynth, in plugins-bad), which
  # finds the General MIDI sound font in /usr/share/sounds/sf2/.
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-plugins-ugly gstreamer1.0-libav timgm6mb-soundfont
  # Japanese user-interface font
  fonts-ipafont-gothic
  # tests, benchmarks, fuzzing, looking at the windows
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth x11-utils imagemagick dbus-x11 xdotool
  # the accessibility bus and its Python client, for driving and probing the real windows
  at-spi2-core python3-pyatspi
  # checking the desktop entry
  desktop-file-utils
  # writing a finished CD folder to a disc image (the CD end-to-end test)
  xorriso
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: every package is already installed"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
