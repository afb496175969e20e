#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "transitions/NearestScale.h"

namespace {

FrameBitmap Noise(int w, int h, std::uint32_t seed) {
  FrameBitmap b(w, h);
  for (auto& byte : b.Pixels) {
    seed = seed * 1664525u + 1013904223u;
    byte = static_cast<std::uint8_t>(seed >> 24);
  }
  return b;
}

struct ScaleCase {
  int srcW, srcH;  // the source
  int dstW, dstH;  // the bitmap drawn into
  int left, top, w, h;
};

}  // namespace

TEST(ScaleInto, EveryUnitSamplesTheNearestPixelAndStaysInsideTheRectangle) {
  const ScaleCase cases[] = {
      // The squeeze's parts on a full-HD row: from 16 times narrower to almost whole.
      {1920, 3, 1920, 3, 0, 0, 120, 3},
      {1920, 3, 1920, 3, 1800, 0, 120, 3},
      {1920, 3, 1920, 3, 0, 0, 960, 3},
      {1920, 3, 1920, 3, 480, 0, 1440, 3},
      {1920, 3, 1920, 3, 0, 0, 1800, 3},
      {1920, 3, 1920, 3, 1, 0, 1919, 3},
      // Odd sizes, rows scaled too, a rectangle inside a larger bitmap, growing.
      {1366, 5, 1500, 9, 7, 2, 1301, 6},
      {641, 7, 900, 7, 3, 0, 853, 4},
      {100, 4, 400, 4, 11, 0, 333, 4},
      {37, 23, 64, 36, 5, 9, 11, 20},
      {1, 3, 40, 3, 2, 0, 33, 3},
      {300, 2, 301, 2, 1, 0, 300, 1},
      {64, 2, 64, 2, 0, 0, 1, 2},
  };
  for (const ScaleCase& c : cases) {
    const FrameBitmap src = Noise(c.srcW, c.srcH, static_cast<std::uint32_t>(c.srcW * 31 + c.w));
    const FrameBitmap before = Noise(c.dstW, c.dstH, 99);
    for (VectorUnit unit : {VectorUnit::Plain, VectorUnit::Sse2, VectorUnit::Avx2, VectorUnit::Avx512}) {
      SCOPED_TRACE("unit " + std::to_string(static_cast<int>(unit)) + ", " + std::to_string(c.srcW) + "x" +
                   std::to_string(c.srcH) + " into " + std::to_string(c.w) + "x" + std::to_string(c.h) +
                   " at " + std::to_string(c.left));
      FrameBitmap dst = before;
      ScaleScratch scratch(c.w);
      const ScalePart part{c.left, c.w, &src};
      ScaleColumnsIntoOn(unit, dst, c.top, c.h, std::span<const ScalePart>(&part, 1), scratch);
      int wrong = 0;
      for (int y = 0; y < c.dstH; ++y)
        for (int x = 0; x < c.dstW; ++x) {
          const bool inside = x >= c.left && x < c.left + c.w && y >= c.top && y < c.top + c.h;
          const std::uint8_t* expected = before.At(x, y);
          if (inside) {
            const int sx = static_cast<int>((2LL * (x - c.left) + 1) * c.srcW / (2LL * c.w));
            const int sy = static_cast<int>((2LL * (y - c.top) + 1) * c.srcH / (2LL * c.h));
            expected = src.At(sx, sy);
          }
          if (std::memcmp(dst.At(x, y), expected, 3) != 0 && ++wrong <= 3)
            ADD_FAILURE() << "pixel (" << x << ", " << y << ")" << (inside ? "" : " outside the rectangle");
        }
      EXPECT_EQ(wrong, 0);
    }
  }
}

TEST(ScaleInto, AnEmptyRectangleDrawsNothing) {
  const FrameBitmap src = Noise(16, 8, 1);
  const FrameBitmap before = Noise(16, 8, 2);
  FrameBitmap dst = before;
  ScaleScratch scratch(16);
  ScaleInto(dst, 4, 0, 0, 8, src, scratch);
  ScaleInto(dst, 0, 3, 16, 0, src, scratch);
  EXPECT_EQ(dst, before);
}

TEST(ScaleColumnsInto, PartsSideBySideGiveWhatEachGivesAlone) {
  // A squeeze frame: the new screen 16 times narrower beside the old one, then
  // growing parts of other widths that each take their own rows.
  const FrameBitmap oldScreen = Noise(1920, 4, 5), newScreen = Noise(1920, 4, 6), short_ = Noise(700, 2, 7);
  struct Split {
    int newWidth;
    const FrameBitmap* second;
  };
  for (const Split split : {Split{120, &oldScreen}, Split{1000, &oldScreen}, Split{1919, &short_}}) {
    FrameBitmap expected(1920, 4), together(1920, 4);
    ScaleScratch scratch(1920);
    ScaleInto(expected, 0, 0, split.newWidth, 4, newScreen, scratch);
    ScaleInto(expected, split.newWidth, 0, 1920 - split.newWidth, 4, *split.second, scratch);
    const ScalePart parts[] = {{0, split.newWidth, &newScreen}, {split.newWidth, 1920 - split.newWidth, split.second}};
    ScaleColumnsInto(together, 0, 4, parts, scratch);
    EXPECT_EQ(together, expected) << "new part " << split.newWidth;
  }
}
