#include "transitions/FlipTransition.h"

#include <cstring>

#include "transitions/CardShading.h"
#include "transitions/FrameLoop.h"
#include "transitions/RectCopy.h"

namespace {
struct Quarter {
  int X0, Y0, Width, Height;
  bool Horizontal;  // the card narrows along the rows
};

// One frame of a quarter: the card at [at, at + length) along the axis,
// across the whole quarter, and black on both sides of it.
void DrawQuarter(FrameBitmap& screen, const Quarter& q, const FrameBitmap& card, int at, int length,
                 CardShade shade, int k, ScaleScratch& scratch) {
  const std::size_t rowBytes = static_cast<std::size_t>(q.Width) * 3;
  if (q.Horizontal) {
    const std::size_t before = static_cast<std::size_t>(at) * 3;
    const std::size_t after = static_cast<std::size_t>(q.Width - at - length) * 3;
    for (int y = q.Y0; y < q.Y0 + q.Height; ++y) {
      std::memset(screen.At(q.X0, y), 0, before);
      std::memset(screen.At(q.X0 + at + length, y), 0, after);
    }
    DrawTurningCard(screen, q.X0 + at, q.Y0, length, q.Height, card, shade, k, kFlipShade, scratch);
  } else {
    for (int y = q.Y0; y < q.Y0 + at; ++y) std::memset(screen.At(q.X0, y), 0, rowBytes);
    for (int y = q.Y0 + at + length; y < q.Y0 + q.Height; ++y) std::memset(screen.At(q.X0, y), 0, rowBytes);
    DrawTurningCard(screen, q.X0, q.Y0 + at, q.Width, length, card, shade, k, kFlipShade, scratch);
  }
}
}  // namespace

void Flip(const FourPartPlan& plan, const FrameBitmap& previous, const FrameBitmap& next,
          const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  FrameBitmap& screen = context.Screen;
  const int W = next.Width, H = next.Height;
  const int hw = W / 2, hh = H / 2;
  const int originX[4] = {0, 0, W - hw, W - hw};
  const int originY[4] = {0, H - hh, 0, H - hh};
  FrameBitmap card(hw, hh);  // the turning quarter, old side and then new side
  ScaleScratch scratch(hw);

  for (std::size_t i = 0; i < 4; ++i) {
    const int index = plan.Order[i];
    const Quarter q{originX[index], originY[index], hw, hh, plan.Choices[i] == 0};
    const int length = q.Horizontal ? hw : hh;
    const int d = length / 16;

    CopyRect(card, 0, 0, screens.Old(), q.X0, q.Y0, hw, hh);
    for (int k = 0; k <= 16; ++k) {
      DrawQuarter(screen, q, card, (k * d) / 2, length - k * d, CardShade::Darken, k, scratch);
      SleepAndPresent(context, kFlipSleepMs);
    }
    CopyRect(card, 0, 0, screens.New(), q.X0, q.Y0, hw, hh);
    for (int k = 0; k <= 16; ++k) {
      if (i == 3 && k == 16)
        CopyWholeScreen(screen, screens.New());
      else
        DrawQuarter(screen, q, card, (length - k * d) / 2, k * d, CardShade::Brighten, k, scratch);
      SleepAndPresent(context, kFlipSleepMs);
    }
  }
}
