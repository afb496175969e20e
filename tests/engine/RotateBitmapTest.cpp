#include <gtest/gtest.h>

#include "ImageFixtures.h"
#include "engine/RotateBitmap.h"

namespace {
// Pixel (x, y) of the 3 x 2 source holds 10 * y + x in blue, 100 in green, 200 in red.
FrameBitmap Source() { return MakeBitmap(3, 2, [](int x, int y) { return std::tuple{10 * y + x, 100, 200}; }); }

std::vector<std::vector<int>> Blues(const FrameBitmap& b) {
  std::vector<std::vector<int>> rows(static_cast<std::size_t>(b.Height));
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x) {
      rows[static_cast<std::size_t>(y)].push_back(b.At(x, y)[0]);
      EXPECT_EQ(b.At(x, y)[1], 100);
      EXPECT_EQ(b.At(x, y)[2], 200);
    }
  return rows;
}
}  // namespace

TEST(RotateBitmapTest, QuarterHalfAndThreeQuarterTurnsClockwise) {
  using Rows = std::vector<std::vector<int>>;
  const struct {
    int angle;
    Rows want;
  } cases[] = {
      {90, Rows{{10, 0}, {11, 1}, {12, 2}}},
      {180, Rows{{12, 11, 10}, {2, 1, 0}}},
      {270, Rows{{2, 12}, {1, 11}, {0, 10}}},
      {0, Rows{{0, 1, 2}, {10, 11, 12}}},
  };
  for (const auto& c : cases) {
    FrameBitmap b = Source();
    RotateBitmap(b, c.angle);
    EXPECT_EQ(Blues(b), c.want) << c.angle;
  }
  FrameBitmap four = Source();
  for (int i = 0; i < 4; ++i) RotateBitmap(four, 90);
  EXPECT_EQ(four, Source());
}
