#include "bitmap/BlitBitmap.h"

#include <algorithm>
#include <cstring>

void BlitBitmap(FrameBitmap& target, const FrameBitmap& source, int left, int top) {
  const int x0 = std::max(left, 0), x1 = std::min(left + source.Width, target.Width);
  const int y0 = std::max(top, 0), y1 = std::min(top + source.Height, target.Height);
  if (x0 >= x1 || y0 >= y1) return;
  const std::size_t bytes = static_cast<std::size_t>(x1 - x0) * 3;
  for (int y = y0; y < y1; ++y) std::memcpy(target.At(x0, y), source.At(x0 - left, y - top), bytes);
}
