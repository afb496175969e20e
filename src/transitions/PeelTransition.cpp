#include "transitions/PeelTransition.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "filters/HsvConversion.h"
#include "transitions/FrameLoop.h"
#include "transitions/RectCopy.h"

namespace {
std::uint8_t TruncChannel(float c) {
  const int v = static_cast<int>(c);
  return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
}

// One pixel of the back, by its hue, saturation and value.
void DarkenPixel(const std::uint8_t* in, std::uint8_t* out) {
  const Hsv hsv = RgbToHsv(in[2], in[1], in[0]);
  const auto v = static_cast<float>(std::max(hsv.v * 0.4, 0.0));
  const RgbFloat c = HsvToRgb(hsv.h, hsv.s, v);
  out[0] = TruncChannel(c.b);
  out[1] = TruncChannel(c.g);
  out[2] = TruncChannel(c.r);
}
}  // namespace

void MakePeelBack(const FrameBitmap& source, bool topToBottom, FrameBitmap& back) {
  const int W = source.Width, H = source.Height;
  back.SetSize(W, H);
  for (int y = 0; y < H; ++y) {
    const std::uint8_t* in = source.Row(topToBottom ? H - 1 - y : y);
    std::uint8_t* out = back.Row(y);
    // Runs of one colour are common in photos and on the background: the
    // last result is reused while the colour repeats.
    std::uint8_t lastIn[3] = {0, 0, 0}, lastOut[3] = {0, 0, 0};
    bool haveLast = false;
    for (int x = 0; x < W; ++x) {
      const std::uint8_t* p = in + static_cast<std::size_t>(topToBottom ? x : W - 1 - x) * 3;
      std::uint8_t* q = out + static_cast<std::size_t>(x) * 3;
      if (!haveLast || std::memcmp(p, lastIn, 3) != 0) {
        std::memcpy(lastIn, p, 3);
        DarkenPixel(p, lastOut);
        haveLast = true;
      }
      std::memcpy(q, lastOut, 3);
    }
  }
}

namespace {
// A copy of the span [from, from + length) of source along the peeling axis
// to [to, to + length) of the screen, across the whole screen.
void CopySpan(FrameBitmap& screen, bool rows, int to, const FrameBitmap& source, int from, int length) {
  if (rows)
    CopyRect(screen, 0, to, source, 0, from, screen.Width, length);
  else
    CopyRect(screen, to, 0, source, from, 0, length, screen.Height);
}
}  // namespace

void Peel(int variant, const FrameBitmap& previous, const FrameBitmap& next,
          const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  FrameBitmap& screen = context.Screen;
  const FrameBitmap& incoming = screens.New();
  const bool rows = variant % 2 == 1;
  const bool fromStart = variant < 2;  // the left or the top edge
  const int e = rows ? next.Height : next.Width;
  const int d = e / 2 / 32;
  const int h = e / 2;
  FrameBitmap back;
  MakePeelBack(incoming, rows, back);

  // The uncovered part of the new screen only grows, and nothing else is
  // drawn over it: each frame copies just what it gained, the length
  // uncovered along the axis from the peeling edge.
  int uncovered = 0;
  const auto uncover = [&](int length) {
    if (length <= uncovered) return;
    if (fromStart)
      CopySpan(screen, rows, uncovered, incoming, uncovered, length - uncovered);
    else
      CopySpan(screen, rows, e - length, incoming, e - length, length - uncovered);
    uncovered = length;
  };

  // Curling. The part not yet lifted keeps the old picture: it only shrinks,
  // so ScreenBitmap still holds it from the frame before.
  for (int k = 0; k <= 32; ++k) {
    const int s = k * d;
    uncover(s);
    if (fromStart)
      CopySpan(screen, rows, s, back, e - s, s);
    else
      CopySpan(screen, rows, e - 2 * s, back, 0, s);
    SleepAndPresent(context, kPeelSleepMs);
  }
  // Sliding off. The flap covers everything from the uncovered part to the
  // far edge and shows the back up to e − 2s. On a screen of odd width (or
  // height) the far half is one wider than the near one, so the flap takes
  // one more line of the back at its fold side rather than leave a line of
  // the old picture standing at the edge.
  for (int k = 0; k <= 32; ++k) {
    const int s = k * d;
    if (k == 32) {
      CopyWholeScreen(screen, incoming);
    } else if (fromStart) {
      const int flap = e - h - s;
      uncover(h + s);
      CopySpan(screen, rows, h + s, back, e - 2 * s - flap, flap);
    } else {
      uncover(e - h + s);
      CopySpan(screen, rows, 0, back, 2 * s, h - s);
    }
    SleepAndPresent(context, kPeelSleepMs);
  }
}
