#include <gtest/gtest.h>

#include "ImageFixtures.h"
#include "engine/FittedImage.h"
#include "engine/Resample.h"
#include "engine/RotateBitmap.h"
#include "platform/Random.h"
#include "support/ScopedRowThreads.h"

// Fitting a picture gives the same bytes whether its rows run on one thread
// or are spread over several.
TEST(RowThreads, FittingIsTheSameOnOneThreadAndOnSeveral) {
  const FrameBitmap source = MakeBitmap(997, 613, [](int x, int y) {
    return std::tuple{(x * 13 + y * 7) & 255, (x ^ y) & 255, (x * y) & 255};
  });
  const FrameBitmap small = MakeBitmap(41, 29, [](int x, int y) { return std::tuple{x * 6, y * 8, (x + y) * 3}; });
  const struct {
    const char* name;
    const FrameBitmap& picture;
    int orientation;
    FitResult fit;
  } cases[] = {
      {"reduce", source, 0, {301, 187, 301.0 / 997}},
      {"reduce lying on its side", source, 90, {187, 301, 301.0 / 997}},
      {"reduce upside down", source, 180, {301, 187, 301.0 / 997}},
      {"reduce, turned back", source, 270, {187, 301, 301.0 / 997}},
      {"enlarge", small, 0, {640, 452, 640.0 / 41}},
      {"enlarge lying on its side", small, 90, {452, 640, 640.0 / 41}},
      {"copy at scale 1", small, 180, {41, 29, 1.0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FrameBitmap one, several;
    {
      ScopedRowThreads threads(1);
      one = PrepareFittedImage(c.picture, c.orientation, c.fit);
    }
    {
      ScopedRowThreads threads(3);
      several = PrepareFittedImage(c.picture, c.orientation, c.fit);
    }
    EXPECT_EQ(one.Width, c.fit.Width);
    EXPECT_EQ(one.Height, c.fit.Height);
    EXPECT_EQ(several, one);
  }
}

// A whole slide with a frame margin drawn from the generator: the same
// bytes and the same draws on any number of threads.
TEST(RowThreads, ASeededSlideIsTheSameOnOneThreadAndOnSeveral) {
  const FrameBitmap source = MakeBitmap(640, 480, [](int x, int y) { return std::tuple{x & 255, y & 255, (x * y) & 255}; });
  for (int filter = 0; filter <= 22; ++filter) {
    SCOPED_TRACE(filter);
    const ScreenLayout layout{320, 200, MakeColorRef(10, 20, 30), filter};
    auto slide = [&](int threads) {
      ScopedRowThreads scope(threads);
      SeedRandom(42);
      FixReseedClock(4242);  // filters that reseed repeat too
      FilterContext context;
      FrameBitmap fitted = PrepareSlide(source, 90, layout, context);
      FrameBitmap screen;
      ComposeScreen(screen, fitted, layout, context);
      const int next = Random(1000000);
      FixReseedClock(std::nullopt);
      return std::pair{screen, next};
    };
    EXPECT_EQ(slide(3), slide(1));
  }
}
