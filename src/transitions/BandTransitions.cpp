#include "transitions/BandTransitions.h"

#include <vector>

#include "transitions/FrameLoop.h"
#include "transitions/RectCopy.h"

void Fit(int orientation, const FrameBitmap& previous, const FrameBitmap& next,
         const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  const FrameBitmap& incoming = screens.New();
  FrameBitmap& screen = context.Screen;
  const int w = next.Width, h = next.Height;
  const bool rowStrips = orientation == 0;
  const int extent = rowStrips ? w : h;  // the direction the strips move in
  const int across = rowStrips ? h : w;  // the direction the strips are stacked in
  const int step = extent / 32;
  for (int t = 0; t < 32; ++t) {
    const int s = t * step;
    for (int k = 0, start = 0; start < across; ++k, start += kFitBand) {
      const int band = across - start < kFitBand ? across - start : kFitBand;
      // Even strips enter at the start edge (left or top), odd ones at the end edge.
      const int dstAt = k % 2 == 0 ? 0 : extent - s;
      const int srcAt = k % 2 == 0 ? extent - s : 0;
      if (rowStrips)
        CopyRect(screen, dstAt, start, incoming, srcAt, start, s, band);
      else
        CopyRect(screen, start, dstAt, incoming, start, srcAt, band, s);
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
