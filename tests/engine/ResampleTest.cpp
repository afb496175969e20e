#include <gtest/gtest.h>

#include <cmath>

#include "ImageFixtures.h"
#include "engine/ImageError.h"
#include "engine/Resample.h"

namespace {

// The area rule written as plainly as it reads: every target pixel walks its
// covered source rows, then columns, each weighted by its two overlaps.
FrameBitmap ReferenceArea(const FrameBitmap& s, int w, int h) {
  const double sx = static_cast<double>(s.Width) / w, sy = static_cast<double>(s.Height) / h;
  const double area = static_cast<double>(s.Width) * s.Height / (static_cast<double>(w) * h);
  FrameBitmap t(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double x0 = x * sx, x1 = (x + 1) * sx - 0.000001;
      const double y0 = y * sy, y1 = (y + 1) * sy - 0.000001;
      double sum[3] = {0, 0, 0};
      for (int j = static_cast<int>(std::floor(y0)); j <= static_cast<int>(std::floor(y1)); ++j) {
        const double oy = std::min(j + 1.0, y1) - std::max(static_cast<double>(j), y0);
        for (int i = static_cast<int>(std::floor(x0)); i <= static_cast<int>(std::floor(x1)); ++i) {
          const double ox = std::min(i + 1.0, x1) - std::max(static_cast<double>(i), x0);
          const double weight = ox * oy;
          for (int c = 0; c < 3; ++c) sum[c] += weight * s.At(i, j)[c];
        }
      }
      for (int c = 0; c < 3; ++c) t.At(x, y)[c] = static_cast<std::uint8_t>(std::clamp(std::nearbyint(sum[c] / area), 0.0, 255.0));
    }
  return t;
}

FrameBitmap ReferenceBilinear(const FrameBitmap& s, int w, int h) {
  const double rx = static_cast<double>(s.Width) / w, ry = static_cast<double>(s.Height) / h;
  FrameBitmap t(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double u = (x + 0.5) * rx - 0.5, v = (y + 0.5) * ry - 0.5;
      const int i = static_cast<int>(std::floor(u)), j = static_cast<int>(std::floor(v));
      const double fx = u - i, fy = v - j;
      const int i0 = std::clamp(i, 0, s.Width - 1), i1 = std::clamp(i + 1, 0, s.Width - 1);
      const int j0 = std::clamp(j, 0, s.Height - 1), j1 = std::clamp(j + 1, 0, s.Height - 1);
      for (int c = 0; c < 3; ++c) {
        const int a = s.At(i0, j0)[c], b = s.At(i1, j0)[c], cc = s.At(i0, j1)[c], d = s.At(i1, j1)[c];
        t.At(x, y)[c] = static_cast<std::uint8_t>(
            std::clamp(std::nearbyint(a + fx * (b - a) + fy * (cc - a) + fx * fy * (a - b - cc + d)), 0.0, 255.0));
      }
    }
  return t;
}

FrameBitmap Grey(std::initializer_list<std::initializer_list<int>> rows) {
  const int h = static_cast<int>(rows.size()), w = static_cast<int>(rows.begin()->size());
  FrameBitmap b(w, h);
  int y = 0;
  for (const auto& row : rows) {
    int x = 0;
    for (int v : row) {
      std::uint8_t* p = b.At(x++, y);
      p[0] = p[1] = p[2] = static_cast<std::uint8_t>(v);
    }
    ++y;
  }
  return b;
}

std::vector<int> GreyRow(const FrameBitmap& b, int y) {
  std::vector<int> v;
  for (int x = 0; x < b.Width; ++x) v.push_back(b.At(x, y)[0]);
  return v;
}

FrameBitmap Noise(int w, int h, unsigned seed) {
  return MakeBitmap(w, h, [&](int, int) {
    seed = seed * 1664525u + 1013904223u;
    return std::tuple{(seed >> 8) & 255, (seed >> 16) & 255, (seed >> 24) & 255};
  });
}

}  // namespace

TEST(ResampleAreaTest, SpanEndsShortOfTheNextPixel) {
  // Exactly 1.5 would round to 2; the shortened span gives 1.4999975.
  EXPECT_EQ(GreyRow(ResampleArea(Grey({{1, 2}}), 1, 1), 0), std::vector<int>{1});
  EXPECT_EQ(GreyRow(ResampleArea(Grey({{3, 4}}), 1, 1), 0), std::vector<int>{3});
  // Spans of 1.5 pixels: (10 + 0.499999 * 20) * 0.999999 / 1.5 and (0.5 * 20 + 0.999999 * 40) * 0.999999 / 1.5.
  EXPECT_EQ(GreyRow(ResampleArea(Grey({{10, 20, 40}}), 2, 1), 0), (std::vector<int>{13, 33}));
  // A flat picture stays flat; a 2 x 2 average of 0, 100, 200, 40 is 85.
  EXPECT_EQ(GreyRow(ResampleArea(Grey({{200, 200, 200, 200}, {200, 200, 200, 200}}), 2, 1), 0), (std::vector<int>{200, 200}));
  EXPECT_EQ(GreyRow(ResampleArea(Grey({{0, 100}, {200, 40}}), 1, 1), 0), std::vector<int>{85});
}

TEST(ResampleAreaTest, MatchesThePlainRuleBitForBit) {
  const struct {
    int sw, sh, w, h;
  } sizes[] = {{37, 23, 11, 7}, {100, 80, 33, 29}, {64, 48, 63, 47}, {7, 3, 1, 1}, {9, 9, 9, 9}, {400, 300, 143, 107}, {5, 200, 2, 71}};
  for (const auto& s : sizes) {
    const FrameBitmap src = Noise(s.sw, s.sh, static_cast<unsigned>(s.sw * 31 + s.w));
    EXPECT_EQ(ResampleArea(src, s.w, s.h), ReferenceArea(src, s.w, s.h)) << s.sw << "x" << s.sh << " -> " << s.w << "x" << s.h;
  }
}

TEST(ResampleBilinearTest, ClampedNeighboursAndHalvesToEven) {
  // Columns sample at -0.25, 0.25, 0.75, 1.25: the outer ones clamp to the edge pixels.
  EXPECT_EQ(GreyRow(ResampleBilinear(Grey({{0, 100}}), 4, 1), 0), (std::vector<int>{0, 25, 75, 100}));
  EXPECT_EQ(GreyRow(ResampleBilinear(Grey({{0, 10}}), 4, 1), 0), (std::vector<int>{0, 2, 8, 10}));  // 2.5 and 7.5
  // Inner pixel (1, 1) of 2 x 2 -> 4 x 4: 0 + 25 + 50 + 0.0625 * -260 = 58.75.
  const FrameBitmap up = ResampleBilinear(Grey({{0, 100}, {200, 40}}), 4, 4);
  EXPECT_EQ(GreyRow(up, 0), (std::vector<int>{0, 25, 75, 100}));
  EXPECT_EQ(up.At(1, 1)[0], 59);
  EXPECT_EQ(GreyRow(up, 3), (std::vector<int>{200, 160, 80, 40}));
}

TEST(ResampleBilinearTest, MatchesThePlainRuleBitForBit) {
  const struct {
    int sw, sh, w, h;
  } sizes[] = {{11, 7, 37, 23}, {33, 29, 100, 80}, {1, 1, 5, 3}, {64, 48, 65, 49}, {3, 50, 13, 51}};
  for (const auto& s : sizes) {
    const FrameBitmap src = Noise(s.sw, s.sh, static_cast<unsigned>(s.sh * 17 + s.h));
    EXPECT_EQ(ResampleBilinear(src, s.w, s.h), ReferenceBilinear(src, s.w, s.h)) << s.sw << "x" << s.sh;
  }
}

TEST(ResampleTest, EmptySourceOrTargetIsAnError) {
  EXPECT_THROW(ResampleArea(FrameBitmap(), 1, 1), ImageError);
  EXPECT_THROW(ResampleArea(Grey({{1}}), 0, 1), ImageError);
  EXPECT_THROW(ResampleBilinear(FrameBitmap(0, 5), 3, 3), ImageError);
  EXPECT_THROW(ResampleBilinear(Grey({{1}}), 2, -1), ImageError);
}
