#include "transitions/ZoomTransition.h"

#include <cstdint>
#include <cstring>

#include "transitions/FrameLoop.h"
#include "transitions/NearestScale.h"
#include "transitions/RectCopy.h"

namespace {
// One frame: picture drawn whole at height h and the width of the screen's
// aspect, centred on the background. Only the background around the picture
// is filled, so each pixel is written once.
void CentredOnBackground(FrameBitmap& screen, const FrameBitmap& picture, int h,
                         const FrameBitmap& backgroundRow, ScaleScratch& scratch) {
  const int W = screen.Width, H = screen.Height;
  // The width of h / H × W, truncated; taken from the exact product, so a
  // whole-number width is not lost to a rounding of the ratio.
  const int w = H > 0 ? static_cast<int>(static_cast<std::int64_t>(h) * W / H) : 0;
  const int x = (W - w) / 2, y = (H - h) / 2;
  const std::uint8_t* fill = backgroundRow.Row(0);
  FillRowsFrom(screen, 0, y, fill);
  FillRowsFrom(screen, y + h, H, fill);
  const std::size_t leftBytes = static_cast<std::size_t>(x) * 3;
  const std::size_t rightBytes = static_cast<std::size_t>(W - x - w) * 3;
  for (int row = y; row < y + h; ++row) {
    std::memcpy(screen.Row(row), fill, leftBytes);
    std::memcpy(screen.At(x + w, row), fill, rightBytes);
  }
  ScaleInto(screen, x, y, w, h, picture, scratch);
}
}  // namespace

void ZoomInOut(const FrameBitmap& previous, const FrameBitmap& next, const TransitionContext& context) {
  const TransitionScreens screens(previous, next, context);
  FrameBitmap& screen = context.Screen;
  const int H = next.Height;
  const int step = H / 32;
  FrameBitmap backgroundRow(next.Width, 1);
  backgroundRow.Fill(context.Background);
  ScaleScratch scratch(next.Width);

  // Frame 0 of each phase is not shown; the first one is the old screen
  // itself, which ScreenBitmap already holds.
  for (int i = 1; i <= 31; ++i) {
    if (i == 31)
      FillRowsFrom(screen, 0, H, backgroundRow.Row(0));
    else
      CentredOnBackground(screen, screens.Old(), H - i * step, backgroundRow, scratch);
    SleepAndPresent(context, 2);
  }
  context.Pacing.Sleep(120);
  for (int i = 1; i <= 32; ++i) {
    if (i == 32)
      CopyWholeScreen(screen, screens.New());
    else
      CentredOnBackground(screen, screens.New(), H - step * (32 - i), backgroundRow, scratch);
    SleepAndPresent(context, 2);
  }
}
