#include "transitions/EdgeTransitions.h"

#include "transitions/FrameLoop.h"
#include "transitions/NearestScale.h"
#include "transitions/RectCopy.h"

namespace {
// One copy of a frame: the destination band of ScreenBitmap starting at
// dstAt takes the source band starting at srcAt; both have length len along
// the moving axis and span the whole screen across it.
struct Band {
  const FrameBitmap* Source;
  int DstAt;
  int SrcAt;
  int Length;
};

void CopyBand(FrameBitmap& screen, bool horizontal, const Band& band) {
  if (horizontal)
    CopyRect(screen, band.DstAt, 0, *band.Source, band.SrcAt, 0, band.Length, screen.Height);
  else
    CopyRect(screen, 0, band.DstAt, *band.Source, 0, band.SrcAt, screen.Width, band.Length);
}

// The loop the wipe, slide and push share: frames 0..31 are two band copies
// each, chosen by bandsAt(s, extent); frame 32 is the whole new screen.
template <typename BandsAt>
void RunBandFrames(bool horizontal, const FrameBitmap& previous, const FrameBitmap& next,
                   const TransitionContext& context, BandsAt bandsAt) {
  const TransitionScreens screens(previous, next, context);
  const int extent = horizontal ? next.Width : next.Height;
  const int step = extent / 32;
  for (int t = 0; t < 32; ++t) {
    const int s = t * step;
    const auto [first, second] = bandsAt(screens.Old(), screens.New(), s, extent);
    CopyBand(context.Screen, horizontal, first);
    CopyBand(context.Screen, horizontal, second);
    SleepAndPresent(context, 10);
  }
  CopyWholeScreen(context.Screen, screens.New());
  SleepAndPresent(context, 10);
}

struct BandPair {
  Band First;
  Band Second;
};
}  // namespace

void Wipe(int direction, const FrameBitmap& previous, const FrameBitmap& next,
          const TransitionContext& context) {
  const bool fromStart = direction == 0 || direction == 1;  // left or top edge
  // The old part lies in place and only shrinks, so ScreenBitmap still holds
  // it from the start of the loop: each frame copies the new part alone.
  RunBandFrames(direction % 2 == 0, previous, next, context,
                [fromStart](const FrameBitmap&, const FrameBitmap& n, int s, int e) {
                  const Band none{&n, 0, 0, 0};
                  if (fromStart) return BandPair{{&n, 0, 0, s}, none};
                  return BandPair{{&n, e - s, e - s, s}, none};
                });
}

void Slide(int variant, const FrameBitmap& previous, const FrameBitmap& next,
           const TransitionContext& context) {
  RunBandFrames(variant % 2 == 0, previous, next, context,
                [variant](const FrameBitmap& o, const FrameBitmap& n, int s, int e) {
                  // Where the old screen stays, its part is still in place
                  // from the start of the loop and only shrinks.
                  const Band none{&o, 0, 0, 0};
                  switch (variant) {
                    case 0:
                    case 1:  // new in from the left or top; old stays
                      return BandPair{{&n, 0, e - s, s}, none};
                    case 2:
                    case 3:  // new in from the right or bottom; old stays
                      return BandPair{{&n, e - s, 0, s}, none};
                    case 4:
                    case 5:  // old out to the right or down; new stays
                      return BandPair{{&n, 0, 0, s}, {&o, s, 0, e - s}};
                    default:  // 6, 7: old out to the left or up; new stays
                      return BandPair{{&n, e - s, e - s, s}, {&o, 0, s, e - s}};
                  }
                });
}

void Push(int direction, const FrameBitmap& previous, const FrameBitmap& next,
          const TransitionContext& context) {
  const bool forward = direction == 0 || direction == 1;  // right or down
  RunBandFrames(direction % 2 == 0, previous, next, context,
                [forward](const FrameBitmap& o, const FrameBitmap& n, int s, int e) {
                  if (forward) return BandPair{{&n, 0, e - s, s}, {&o, s, 0, e - s}};
                  return BandPair{{&n, e - s, 0, s}, {&o, 0, s, e - s}};
                });
}

void Squeeze(int direction, const FrameBitmap& previous, const FrameBitmap& next,
             const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  const int w = next.Width, h = next.Height;
  const bool horizontal = direction % 2 == 0;
  const bool fromStart = direction == 0 || direction == 1;
  const int step = (horizontal ? w : h) / 16;
  ScaleScratch scratch(w);
  FrameBitmap& screen = context.Screen;
  for (int t = 0; t < 16; ++t) {
    const int s = t * step;
    if (horizontal) {
      // Both parts share every row, so each row is drawn in one pass.
      const ScalePart parts[] = {{fromStart ? 0 : w - s, s, &screens.New()},
                                 {fromStart ? s : 0, w - s, &screens.Old()}};
      ScaleColumnsInto(screen, 0, h, parts, scratch);
    } else {
      const int newTop = fromStart ? 0 : h - s;
      const int oldTop = fromStart ? s : 0;
      ScaleInto(screen, 0, newTop, w, s, screens.New(), scratch);
      ScaleInto(screen, 0, oldTop, w, h - s, screens.Old(), scratch);
    }
    SleepAndPresent(context, 2);
  }
  CopyWholeScreen(screen, screens.New());
  SleepAndPresent(context, 2);
}
