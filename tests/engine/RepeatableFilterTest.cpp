#include <gtest/gtest.h>

#include "engine/FrameMargin.h"
#include "filters/ApplyFilter.h"
#include "filters/FilterKind.h"
#include "filters/FilterTables.h"
#include "filters/RepeatableFilter.h"
#include "platform/Random.h"

// A filter called repeatable runs ahead on a worker: neither it nor its frame
// margin may move the random sequence, whatever the picture and the context.
TEST(RepeatableFilter, NeitherTheFilterNorItsMarginDrawsFromTheSequence) {
  BuildFilterTables();
  struct ClockGuard {
    ClockGuard() { FixReseedClock(77); }
    ~ClockGuard() { FixReseedClock(std::nullopt); }
  } fixedClock;
  for (int kind = 0; kind < kFilterCount; ++kind) {
    if (!FilterIsRepeatable(kind)) continue;
    SCOPED_TRACE(kFilterNames[static_cast<std::size_t>(kind)]);
    for (int variant = 0; variant < 4; ++variant) {
      FrameBitmap picture(97 + variant * 40, 61 + variant * 30);
      for (std::size_t i = 0; i < picture.Pixels.size(); ++i)
        picture.Pixels[i] = static_cast<std::uint8_t>(i * 37 % 251);
      FilterContext context;
      context.ScreenWidth = 400;
      context.ScreenHeight = 300;
      context.UprightWidth = picture.Width;
      context.UprightHeight = picture.Height;
      context.SlideshowRunning = variant % 2 == 1;
      context.ActiveTransition = variant == 3 ? 9 : 1;  // 9: the photo pile
      SeedRandom(5 + variant);
      context.FrameMargin = FrameMargin(kind, context.ScreenHeight);
      ApplyFilter(kind, picture, context);
      const int next = Random(1 << 30);
      SeedRandom(5 + variant);
      EXPECT_EQ(next, Random(1 << 30)) << "variant " << variant;
    }
  }
}
