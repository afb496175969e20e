#include "transitions/BandTransitions.h"

#include <cstdint>
#include <cstring>

#include "transitions/FrameLoop.h"
#include "transitions/RectCopy.h"

namespace {
// Copies every other band of 8 pixels of one row, starting with band first
// (0 or 1); full bands are copied with a fixed size the compiler inlines.
void CopyAlternateBands(std::uint8_t* dst, const std::uint8_t* src, int width, int first) {
  constexpr std::size_t kBandBytes = kFitBand * 3;
  int x = first * kFitBand;
  for (; x + kFitBand <= width; x += 2 * kFitBand)
    std::memcpy(dst + static_cast<std::size_t>(x) * 3, src + static_cast<std::size_t>(x) * 3, kBandBytes);
  if (x < width)
    std::memcpy(dst + static_cast<std::size_t>(x) * 3, src + static_cast<std::size_t>(x) * 3,
                static_cast<std::size_t>(width - x) * 3);
}
}  // namespace

void Fit(int orientation, const FrameBitmap& previous, const FrameBitmap& next,
         const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  const FrameBitmap& incoming = screens.New();
  FrameBitmap& screen = context.Screen;
  const int w = next.Width, h = next.Height;
  for (int t = 0; t < 32; ++t) {
    if (orientation == 0) {
      // Strips of 8 rows: even ones enter from the left, odd ones from the right.
      const int s = t * (w / 32);
      for (int k = 0, top = 0; top < h; ++k, top += kFitBand) {
        const int rows = h - top < kFitBand ? h - top : kFitBand;
        if (k % 2 == 0)
          CopyRect(screen, 0, top, incoming, w - s, top, s, rows);
        else
          CopyRect(screen, w - s, top, incoming, 0, top, s, rows);
      }
    } else {
      // Strips of 8 columns: even ones enter from the top, odd ones from the
      // bottom. Row by row, each screen row takes its strips from one new row.
      const int s = t * (h / 32);
      for (int y = 0; y < s; ++y)
        CopyAlternateBands(screen.Row(y), incoming.Row(h - s + y), w, 0);
      for (int y = h - s; y < h; ++y)
        CopyAlternateBands(screen.Row(y), incoming.Row(y - (h - s)), w, 1);
    }
    SleepAndPresent(context, 10);
  }
  CopyWholeScreen(screen, incoming);
  SleepAndPresent(context, 10);
}

void Blind(int orientation, const FrameBitmap& previous, const FrameBitmap& next,
           const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  FrameBitmap& screen = context.Screen;
  const bool columns = orientation == 0;
  const int extent = columns ? next.Width : next.Height;
  for (int t = 0; t < 32; ++t) {
    const int open = 2 * t;
    // A slat whose opening would pass the screen edge keeps its last opening;
    // the closing copy completes it.
    for (int left = 0; left < extent && left + open <= extent; left += kBlindSlat) {
      if (columns)
        CopyRect(screen, left, 0, screens.New(), left, 0, open, next.Height);
      else
        CopyRect(screen, 0, left, screens.New(), 0, left, next.Width, open);
    }
    SleepAndPresent(context, 20);
  }
  CopyWholeScreen(screen, screens.New());
  SleepAndPresent(context, 20);
}

void Shutter(const FrameBitmap& previous, const FrameBitmap& next,
             const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  FrameBitmap& screen = context.Screen;
  const int h = next.Height;
  const int step = h / 16;
  FrameBitmap shutterRow(next.Width, 1);
  shutterRow.Fill(kShutterColor);

  // The screen in the shutter colour except rows [top, top + a) of source.
  auto slot = [&](const FrameBitmap& source, int a) {
    const int top = (h - a) / 2;
    FillRowsFrom(screen, 0, top, shutterRow.Row(0));
    CopyRect(screen, 0, top, source, 0, top, next.Width, a);
    FillRowsFrom(screen, top + a, h, shutterRow.Row(0));
  };

  for (int t = 0; t <= 16; ++t) {
    slot(screens.Old(), t == 16 ? 0 : h - t * step);
    SleepAndPresent(context, 2);
  }
  context.Pacing.Sleep(120);
  for (int t = 0; t <= 16; ++t) {
    if (t == 16)
      CopyWholeScreen(screen, screens.New());
    else
      slot(screens.New(), t * step);
    SleepAndPresent(context, 2);
  }
}
