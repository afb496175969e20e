#include "transitions/RectCopy.h"

#include <algorithm>
#include <bit>
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

namespace {
// The three bytes of the pixel at p in the low bytes of a word (little-endian
// order, as they lie in memory); reads one byte beyond the pixel.
inline std::uint64_t PixelAt(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v & 0xFFFFFFu;
}
}  // namespace

void ScaleInto(FrameBitmap& dst, int left, int top, int w, int h, const FrameBitmap& src,
               std::uint32_t* columnMap) {
  if (w <= 0 || h <= 0 || src.Empty()) return;
  const std::int64_t sw = src.Width, sh = src.Height;
  const std::size_t dstStride = dst.RowBytes(), srcStride = src.RowBytes();
  std::uint8_t* dstRow = dst.At(left, top);
  const std::uint8_t* srcBase = src.Pixels.data();

  if (w == src.Width) {
    // Rows only: every destination row is one source row.
    for (int y = 0; y < h; ++y, dstRow += dstStride) {
      const std::int64_t sy = ((2 * y + 1) * sh) / (2 * std::int64_t{h});
      std::memcpy(dstRow, srcBase + sy * srcStride, srcStride);
    }
    return;
  }

  // Byte offsets of the source pixel of every destination column. Pixels are
  // read four bytes at a time, so the fast part stops before any pixel of the
  // last source column, which would read past the bitmap's end.
  int fastRun = w;
  for (int x = 0; x < w; ++x) {
    const std::int64_t sx = ((2 * x + 1) * sw) / (2 * std::int64_t{w});
    columnMap[x] = static_cast<std::uint32_t>(sx * 3);
    if (sx == sw - 1 && x < fastRun) fastRun = x;
  }
  for (int y = 0; y < h; ++y, dstRow += dstStride) {
    const std::int64_t sy = ((2 * y + 1) * sh) / (2 * std::int64_t{h});
    const std::uint8_t* srcRow = srcBase + sy * srcStride;
    std::uint8_t* d = dstRow;
    int x = 0;
    // Eight pixels gathered into three 8-byte stores (byte order as in memory
    // only on little-endian processors; others take the plain loop).
    for (; std::endian::native == std::endian::little && x + 8 <= fastRun; x += 8, d += 24) {
      const std::uint32_t* m = columnMap + x;
      const std::uint64_t p0 = PixelAt(srcRow + m[0]), p1 = PixelAt(srcRow + m[1]);
      const std::uint64_t p2 = PixelAt(srcRow + m[2]), p3 = PixelAt(srcRow + m[3]);
      const std::uint64_t p4 = PixelAt(srcRow + m[4]), p5 = PixelAt(srcRow + m[5]);
      const std::uint64_t p6 = PixelAt(srcRow + m[6]), p7 = PixelAt(srcRow + m[7]);
      const std::uint64_t words[3] = {p0 | p1 << 24 | p2 << 48,
                                      p2 >> 16 | p3 << 8 | p4 << 32 | p5 << 56,
                                      p5 >> 8 | p6 << 16 | p7 << 40};
      std::memcpy(d, words, 24);
    }
    for (; x < w; ++x, d += 3) std::memcpy(d, srcRow + columnMap[x], 3);
  }
}

void FillRowsFrom(FrameBitmap& dst, int top, int bottom, const std::uint8_t* row) {
  top = std::max(top, 0);
  bottom = std::min(bottom, dst.Height);
  const std::size_t stride = dst.RowBytes();
  if (top >= bottom) return;
  std::uint8_t* d = dst.Row(top);
  for (int y = top; y < bottom; ++y, d += stride) std::memcpy(d, row, stride);
}
