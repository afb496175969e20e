#include <gtest/gtest.h>

#include <set>

#include "engine/FitImage.h"
#include "engine/FrameMargin.h"
#include "bitmap/TruncProduct.h"
#include "platform/Random.h"

TEST(FitImageTest, WorkedExamples) {
  struct Case {
    int w, h, mw, mh, margin, wantW, wantH;
  };
  const Case cases[] = {
      {4000, 3000, 1920, 1080, 0, 1439, 1080},   // the double scale is just below 0.36
      {640, 480, 1920, 1080, 0, 1440, 1080},     // enlarged, scale 2.25
      {2000, 3000, 1920, 1080, 0, 719, 1080},    // orientation 6 of a 3000 x 2000 photo
      {4000, 3000, 1920, 1080, 27, 1368, 1026},  // filter 8's margin
      {1920, 1080, 1920, 1080, 0, 1920, 1080},   // scale exactly 1
      {1000, 1000, 1920, 1080, 0, 1080, 1080},   // square counts as landscape, then too tall
      {3000, 500, 1920, 1080, 0, 1920, 320},     // wide panorama
      {100, 3000, 1920, 1080, 0, 35, 1080},      // tall strip: 100 * 0.36 as a double is just below 36
      {1080, 2000, 600, 1000, 0, 540, 1000},     // portrait on a portrait monitor
      {1080, 1500, 600, 1000, 0, 600, 833},      // portrait limited by the width
  };
  for (const Case& c : cases) {
    const FitResult r = FitImage(c.w, c.h, c.mw, c.mh, c.margin);
    EXPECT_EQ(r.Width, c.wantW) << c.w << "x" << c.h << " margin " << c.margin;
    EXPECT_EQ(r.Height, c.wantH) << c.w << "x" << c.h << " margin " << c.margin;
  }
  EXPECT_EQ(FitImage(640, 480, 1920, 1080, 0).Scale, 2.25);
  EXPECT_EQ(FitImage(1920, 1080, 1920, 1080, 0).Scale, 1.0);
  EXPECT_EQ(FitImage(4000, 3000, 1920, 1080, 0).Scale, 1080.0 / 3000);
}

TEST(FitImageTest, TruncatesTheExactProduct) {
  EXPECT_EQ(TruncProduct(4000, 1080.0 / 3000), 1439);  // the rounded product is 1440.0
  EXPECT_EQ(TruncProduct(4000, 0.5), 2000);             // exact whole numbers stay
  EXPECT_EQ(TruncProduct(3, 0.7), 2);
  EXPECT_EQ(TruncProduct(0, 0.36), 0);
  EXPECT_EQ(TruncProduct(1080, 0.025), 27);
}

TEST(FrameMarginTest, ByFilter) {
  EXPECT_EQ(FrameMargin(0, 1080), 0);
  EXPECT_EQ(FrameMargin(8, 1080), 27);
  EXPECT_EQ(FrameMargin(10, 1080), 27);
  EXPECT_EQ(FrameMargin(10, 1000), 25);
  EXPECT_EQ(FrameMargin(21, 1080), 0);
  // Filter 4 draws 3 % .. 20 % of the height anew for each picture.
  // The percentage is a double, so 3 % of 1000 is 29.999... and truncates to 29.
  SeedRandom(5);
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) seen.insert(FrameMargin(4, 1000));
  EXPECT_EQ(seen.size(), 18u);
  EXPECT_EQ(*seen.begin(), 29);
  EXPECT_EQ(*seen.rbegin(), 200);
  EXPECT_TRUE(seen.count(100));
}
