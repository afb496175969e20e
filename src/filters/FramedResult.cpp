#include "filters/FramedResult.h"

#include <cstring>

#include "transitions/TransitionKind.h"

bool BorderLeftOut(const FilterContext& context) {
  return context.SlideshowRunning && context.ActiveTransition == static_cast<int>(TransitionKind::Increase);
}

void FramedResult(FrameBitmap& bitmap, const FilterContext& context) {
  if (BorderLeftOut(context)) return;
  const int m = context.FrameMargin > 0 ? context.FrameMargin : 0;
  FrameBitmap framed(bitmap.Width + 2 * m, bitmap.Height + 2 * m);
  std::memset(framed.Pixels.data(), 255, framed.Pixels.size());
  const int left = (framed.Width - bitmap.Width) / 2;
  const int top = (framed.Height - bitmap.Height) / 2;
  for (int y = 0; y < bitmap.Height; ++y)
    std::memcpy(framed.At(left, top + y), bitmap.Row(y), bitmap.RowBytes());
  bitmap = std::move(framed);
}
