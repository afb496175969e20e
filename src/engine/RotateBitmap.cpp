#include "engine/RotateBitmap.h"

#include <cstring>
#include <utility>

#include "bitmap/ParallelRows.h"

void RotateBitmap(FrameBitmap& bitmap, int angle) {
  if (bitmap.Empty() || (angle != 90 && angle != 180 && angle != 270)) return;
  const int sw = bitmap.Width, sh = bitmap.Height;
  FrameBitmap turned = angle == 180 ? FrameBitmap(sw, sh) : FrameBitmap(sh, sw);
  ParallelRows(turned.Height, [&](int rowBegin, int rowEnd) {
    for (int y = rowBegin; y < rowEnd; ++y) {
      std::uint8_t* out = turned.Row(y);
      for (int x = 0; x < turned.Width; ++x, out += 3) {
        const std::uint8_t* in = angle == 90    ? bitmap.At(y, sh - 1 - x)
                                 : angle == 180 ? bitmap.At(sw - 1 - x, sh - 1 - y)
                                                : bitmap.At(sw - 1 - y, x);
        std::memcpy(out, in, 3);
      }
    }
  });
  bitmap = std::move(turned);
}
