#include "filters/FramedResult.h"

#include <cstring>

#include "bitmap/ParallelRows.h"
#include "transitions/TransitionKind.h"

bool BorderLeftOut(const FilterContext& context) {
  return context.SlideshowRunning && context.ActiveTransition == static_cast<int>(TransitionKind::Increase);
}

void FramedResult(FrameBitmap& bitmap, const FilterContext& context) {
  if (BorderLeftOut(context)) return;
  const int m = context.FrameMargin > 0 ? context.FrameMargin : 0;
  FrameBitmap framed(bitmap.Width + 2 * m, bitmap.Height + 2 * m);
  const int left = (framed.Width - bitmap.Width) / 2;
  const int top = (framed.Height - bitmap.Height) / 2;
  const std::size_t leftBytes = static_cast<std::size_t>(left) * 3;
  const std::size_t innerBytes = bitmap.RowBytes();
  const std::size_t rightBytes = framed.RowBytes() - leftBytes - innerBytes;
  if (framed.Empty()) {
    bitmap = std::move(framed);
    return;
  }
  // Each row is written once: white, or white margins around the old row.
  ParallelRows(framed.Height, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      std::uint8_t* out = framed.Row(y);
      if (y < top || y >= top + bitmap.Height) {
        std::memset(out, 255, framed.RowBytes());
        continue;
      }
      std::memset(out, 255, leftBytes);
      if (innerBytes > 0) std::memcpy(out + leftBytes, bitmap.Row(y - top), innerBytes);
      std::memset(out + leftBytes + innerBytes, 255, rightBytes);
    }
  });
  bitmap = std::move(framed);
}
