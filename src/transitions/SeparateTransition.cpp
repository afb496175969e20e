#include "transitions/SeparateTransition.h"

#include "transitions/FrameLoop.h"
#include "transitions/RectCopy.h"

void Separate(const FourPartPlan& plan, const FrameBitmap& previous, const FrameBitmap& next,
              const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  FrameBitmap& screen = context.Screen;
  const int W = next.Width, H = next.Height;
  const int q = H / 4;
  const int step = W / 32;
  for (std::size_t i = 0; i < 4; ++i) {
    const int band = plan.Order[i];
    const int top = band * q;
    const int rows = band == 3 ? H - 3 * q : q;
    const bool toTheRight = plan.Choices[i] == 0;
    for (int t = 0; t <= 32; ++t) {
      const int s = t * step;
      if (t == 32)
        CopyRect(screen, 0, top, screens.New(), 0, top, W, rows);
      else if (toTheRight) {
        CopyRect(screen, 0, top, screens.New(), W - s, top, s, rows);
        CopyRect(screen, s, top, screens.Old(), 0, top, W - s, rows);
      } else {
        CopyRect(screen, W - s, top, screens.New(), 0, top, s, rows);
        CopyRect(screen, 0, top, screens.Old(), s, top, W - s, rows);
      }
      SleepAndPresent(context, 10);
    }
  }
}
