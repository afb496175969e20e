#include "transitions/PageTransition.h"

#include "transitions/CardShading.h"
#include "transitions/FrameLoop.h"
#include "transitions/RectCopy.h"

void Page(int direction, const FrameBitmap& previous, const FrameBitmap& next,
          const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  FrameBitmap& screen = context.Screen;
  const FrameBitmap& incoming = screens.New();
  const int W = next.Width, H = next.Height;
  const int L = W / 2, R = W - L;
  ScaleScratch scratch(W);
  // The folding half of the old screen (L wide) and the unfolding part of
  // the new one (the rest of the width).
  FrameBitmap folding(L, H), unfolding(W - L, H);

  if (direction == 0) {
    CopyRect(folding, 0, 0, screens.Old(), 0, 0, L, H);
    CopyRect(unfolding, 0, 0, incoming, L, 0, W - L, H);
    const int d = L / 16;
    for (int k = 0; k <= 16; ++k) {
      if (k == 16) {
        CopyRect(screen, 0, 0, incoming, 0, 0, L, H);
      } else {
        CopyRect(screen, 0, 0, incoming, 0, 0, k * d, H);
        DrawTurningCard(screen, k * d, 0, L - k * d, H, folding, CardShade::Darken, k, kPageShade, scratch);
      }
      SleepAndPresent(context, kPageSleepMs);
    }
    const int e = (W - L) / 16;
    for (int k = 0; k <= 16; ++k) {
      if (k == 16)
        CopyWholeScreen(screen, incoming);
      else
        DrawTurningCard(screen, L, 0, k * e, H, unfolding, CardShade::Brighten, k, kPageShade, scratch);
      SleepAndPresent(context, kPageSleepMs);
    }
  } else {
    CopyRect(folding, 0, 0, screens.Old(), R, 0, L, H);
    CopyRect(unfolding, 0, 0, incoming, 0, 0, R, H);
    const int d = L / 16;
    for (int k = 0; k <= 16; ++k) {
      if (k == 16) {
        CopyRect(screen, R, 0, incoming, R, 0, L, H);
      } else {
        DrawTurningCard(screen, R, 0, L - k * d, H, folding, CardShade::Darken, k, kPageShade, scratch);
        CopyRect(screen, W - k * d, 0, incoming, W - k * d, 0, k * d, H);
      }
      SleepAndPresent(context, kPageSleepMs);
    }
    const int e = R / 16;
    for (int k = 0; k <= 16; ++k) {
      if (k == 16)
        CopyWholeScreen(screen, incoming);
      else
        DrawTurningCard(screen, R - k * e, 0, k * e, H, unfolding, CardShade::Brighten, k, kPageShade, scratch);
      SleepAndPresent(context, kPageSleepMs);
    }
  }
}
