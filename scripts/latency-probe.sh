#!/usr/bin/env bash
# How long does a key press wait while a slideshow plays? Plays a folder of
# photos full screen under Xvfb at 1920 x 1080 and, through the
# accessibility bus, asks the program for its window's extents every 20 ms:
# the user-interface thread answers that call, so its delay is the delay a
# key press, a timer or a repaint would see at that moment. Prints the
# distribution of the delays and every block longer than 100 ms.
#
# Usage: scripts/latency-probe.sh [photo-folder] [seconds]
#   photo-folder  JPEGs to play; by default eight 24-megapixel photos are
#                 drawn once into build/latency-photos
#   seconds       how long to probe (default 60), after a 5 second start
# Environment:
#   BRINMORA_BIN       the program to measure (default build/bin/brinmora)
#   PROBE_FILTER       the filter selector's text (default シャッフル)
#   PROBE_TRANSITION   the transition selector's text (default シャッフル;
#                      "なし" leaves only the blocks that are not animations)
#   PROBE_INTERVAL     seconds per slide (default 2)
#   PROBE_JSON         a file to write the raw delays to (milliseconds)
# Needs xvfb, dbus, at-spi2-core and python3-pyatspi (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${BRINMORA_PROBE_INNER:-}" ]; then
  photos=${1:-}
  if [ -z "$photos" ]; then
    photos=$PWD/build/latency-photos
    if [ ! -f "$photos/.complete" ]; then
      rm -rf "$photos"
      mkdir -p "$photos"
      echo "drawing eight 24-megapixel photos into $photos ..." >&2
      # One grainy photo, then cheap variations of it: the grain keeps the
      # decoder as busy as a real photo's detail does.
      convert -size 6000x4000 "gradient:#1e3c72-#a8c0ff" -seed 1 -attenuate 0.4 +noise Gaussian \
        -fill "#00000050" -draw "circle 2000,2000 3000,2600" -quality 90 -sampling-factor 4:2:0 "$photos/photo0.jpg"
      variations=("-flop" "-flip" "-negate" "-modulate 100,160,40" "-modulate 100,60,140" "-flop -flip" "-flop -negate")
      for i in 1 2 3 4 5 6 7; do
        # shellcheck disable=SC2086
        convert "$photos/photo0.jpg" ${variations[$((i - 1))]} -quality 90 -sampling-factor 4:2:0 "$photos/photo$i.jpg"
      done
      touch "$photos/.complete"
    fi
  fi
  photos=$(cd "$photos" && pwd)
  bin=$(realpath "${BRINMORA_BIN:-build/bin/brinmora}")
  export BRINMORA_PROBE_INNER=1 BRINMORA_PROBE_PHOTOS="$photos" BRINMORA_PROBE_BIN="$bin"
  export BRINMORA_PROBE_SECONDS=${2:-60}
  exec xvfb-run -a -s "-screen 0 1920x1080x24" dbus-run-session -- bash "$0"
fi

# Inside the X server and the session bus.
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
work=$(mktemp -d)
trap 'kill -TERM "${program:-}" "$bus" 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1

name="遅延測定"
cp "$BRINMORA_PROBE_BIN" "$work/brinmora"
mkdir -p "$work/SlideShow/$name"
printf '"%s",1\r\n' "$BRINMORA_PROBE_PHOTOS" | iconv -f UTF-8 -t CP932 > "$work/SlideShow/$name/DIR.dat"
: > "$work/SlideShow/$name/BGM.dat"
printf '[Option]\r\nInterval=%s\r\nImgEffect=%s\r\nSlideEffect=%s\r\n' \
  "${PROBE_INTERVAL:-2}" "${PROBE_FILTER:-シャッフル}" "${PROBE_TRANSITION:-シャッフル}" \
  | iconv -f UTF-8 -t CP932 > "$work/SlideShow/$name/Slide.ini"
printf '%s\r\n' "$name" | iconv -f UTF-8 -t CP932 > "$work/SlideShow/SlideShow.dat"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$work/brinmora" /autostart "$name" > "$work/run.log" 2>&1 &
program=$!

/usr/bin/python3 - "$BRINMORA_PROBE_SECONDS" "${PROBE_JSON:-}" <<'EOF'
import json, sys, time
import pyatspi

seconds = float(sys.argv[1])
raw_file = sys.argv[2]
# A long block must come back as a long delay, not as a timed-out call.
pyatspi.setTimeout(60000, 60000)

def find_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name and "brinmora" in app.name.lower() and app.childCount > 0:
            return app.getChildAtIndex(0)
    return None

deadline = time.monotonic() + 60
window = None
while window is None:
    if time.monotonic() > deadline:
        sys.exit("latency-probe: the program did not appear on the accessibility bus")
    time.sleep(0.5)
    window = find_window()
component = window.queryComponent()
time.sleep(5)  # the slideshow starts and shows its first picture

delays = []  # (seconds since the start, delay in ms)
start = time.monotonic()
next_probe = start
while time.monotonic() - start < seconds:
    sent = time.monotonic()
    try:
        component.getExtents(pyatspi.DESKTOP_COORDS)
    except Exception as e:  # the program went away or did not answer at all
        sys.exit(f"latency-probe: the probe failed after {time.monotonic() - sent:.1f} s: {e}")
    answered = time.monotonic()
    delays.append((sent - start, (answered - sent) * 1000.0))
    next_probe += 0.020
    pause = next_probe - time.monotonic()
    if pause > 0:
        time.sleep(pause)
    else:
        next_probe = time.monotonic()
total = time.monotonic() - start

values = sorted(d for _, d in delays)
def pct(p):
    return values[min(len(values) - 1, int(p / 100.0 * len(values)))]
# A key pressed at a random moment waits for the rest of the block it lands
# in: the share of time in which that rest exceeds x ms.
def wait_over(x):
    return sum(max(0.0, d - x) for _, d in delays) / 1000.0 / total
idle = pct(50)
busy = sum(max(0.0, d - idle) for _, d in delays) / 1000.0 / total
print(f"probes {len(values)} over {total:.1f} s; delay ms: median {pct(50):.1f}, 90 % {pct(90):.1f}, "
      f"99 % {pct(99):.1f}, max {values[-1]:.1f}")
print(f"user-interface thread busy {busy * 100:.1f} % of the time")
for x in (50, 100, 200, 500):
    print(f"a key pressed at a random moment waits more than {x} ms: {wait_over(x) * 100:.1f} %")
blocks = [(t, d) for t, d in delays if d > 100]
print(f"blocks longer than 100 ms: {len(blocks)}")
for t, d in blocks:
    print(f"  at {t:7.2f} s: {d:7.1f} ms")
if raw_file:
    with open(raw_file, "w") as f:
        json.dump([[round(t, 3), round(d, 2)] for t, d in delays], f)
EOF
