#include "transitions/RectCopy.h"

#include <algorithm>
#include <cstring>

void CopyRect(FrameBitmap& dst, int dx, int dy, const FrameBitmap& src, int sx, int sy, int w,
              int h) {
  // Clip against both bitmaps, moving both corners together.
  const int shiftX = std::max({0, -dx, -sx});
  const int shiftY = std::max({0, -dy, -sy});
  dx += shiftX, sx += shiftX, w -= shiftX;
  dy += shiftY, sy += shiftY, h -= shiftY;
  w = std::min({w, dst.Width - dx, src.Width - sx});
  h = std::min({h, dst.Height - dy, src.Height - sy});
  if (w <= 0 || h <= 0) return;

  const std::size_t bytes = static_cast<std::size_t>(w) * 3;
  const std::size_t dstStride = dst.RowBytes(), srcStride = src.RowBytes();
  std::uint8_t* d = dst.At(dx, dy);
  const std::uint8_t* s = src.At(sx, sy);
  for (int y = 0; y < h; ++y, d += dstStride, s += srcStride) std::memcpy(d, s, bytes);
}

void FillRowsFrom(FrameBitmap& dst, int top, int bottom, const std::uint8_t* row) {
  top = std::max(top, 0);
  bottom = std::min(bottom, dst.Height);
  const std::size_t stride = dst.RowBytes();
  if (top >= bottom) return;
  std::uint8_t* d = dst.Row(top);
  for (int y = top; y < bottom; ++y, d += stride) std::memcpy(d, row, stride);
}
