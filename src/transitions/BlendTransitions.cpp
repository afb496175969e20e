#include "transitions/BlendTransitions.h"

#include "bitmap/ParallelRows.h"
#include "transitions/BlendKernels.h"
#include "transitions/FrameLoop.h"

// Screens are one block of bytes each, so a frame is one pass over the block
// per band of rows, the bands spread over the cores.
void BlendFrame(FrameBitmap& out, const FrameBitmap& a, const FrameBitmap& b, int t) {
  ParallelRows(out.Height, 32, [&](int begin, int end) {
    BlendBytes(out.Row(begin), a.Row(begin), b.Row(begin), out.RowBytes() * static_cast<std::size_t>(end - begin),
               static_cast<unsigned>(t));
  });
}

void MeltFrame(FrameBitmap& out, const FrameBitmap& oldScreen, const FrameBitmap& newScreen,
               int t) {
  ParallelRows(out.Height, 32, [&](int begin, int end) {
    MeltBytes(out.Row(begin), oldScreen.Row(begin), newScreen.Row(begin),
              out.RowBytes() * static_cast<std::size_t>(end - begin), static_cast<unsigned>(t));
  });
}

void FadeOutIn(const FrameBitmap& previous, const FrameBitmap& next,
               const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  FrameBitmap background(next.Width, next.Height);
  background.Fill(context.Background);
  // The first phase ends on exactly the background (its last frame is
  // 0 + background), so the second phase starts from the background bitmap.
  for (int t = 0; t <= 32; ++t) {
    BlendFrame(context.Screen, screens.Old(), background, t);
    SleepAndPresent(context, 4);
  }
  for (int t = 0; t <= 32; ++t) {
    BlendFrame(context.Screen, background, screens.New(), t);
    SleepAndPresent(context, 4);
  }
}

void CrossFade(const FrameBitmap& previous, const FrameBitmap& next,
               const TransitionContext& context, int sleepMs) {
  const TransitionScreens screens(previous, next, context);
  for (int t = 0; t <= 32; ++t) {
    BlendFrame(context.Screen, screens.Old(), screens.New(), t);
    SleepAndPresent(context, sleepMs);
  }
}

void Melt(const FrameBitmap& previous, const FrameBitmap& next, const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  for (int t = 0; t <= 16; ++t) {
    MeltFrame(context.Screen, screens.Old(), screens.New(), t);
    SleepAndPresent(context, 2);
  }
}
