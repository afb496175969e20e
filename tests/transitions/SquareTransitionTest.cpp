#include <gtest/gtest.h>

#include "TransitionRig.h"
#include "platform/Random.h"
#include "transitions/SquareTransition.h"

namespace {
// How many pixels of each 16 x 16 tile come from the new screen (red tag 2).
std::vector<int> NewPixelsPerTile(const FrameBitmap& frame) {
  const int columns = (frame.Width + 15) / 16, rows = (frame.Height + 15) / 16;
  std::vector<int> counts(static_cast<std::size_t>(columns * rows), 0);
  for (int y = 0; y < frame.Height; ++y)
    for (int x = 0; x < frame.Width; ++x)
      if (frame.At(x, y)[2] == 2) ++counts[static_cast<std::size_t>(y / 16 * columns + x / 16)];
  return counts;
}
int TileArea(int column, int row, int w, int h) {
  return (std::min(16, w - column * 16)) * (std::min(16, h - row * 16));
}
}  // namespace

TEST(Square, PlacesEveryTileOnceTenPerFrameWithoutSleeping) {
  for (bool keep : {true, false}) {
    SCOPED_TRACE(keep ? "seeded" : "reseeded from the clock");
    SeedRandom(7);
    TransitionRig rig(100, 70);  // 7 x 5 tiles, the last column 4 wide and the last row 6 high
    TransitionContext context = rig.Context();
    context.KeepRandomSequence = keep;
    Square(rig.Old, rig.New, context);

    const int tiles = 35;
    ASSERT_EQ(rig.Frames().size(), 4u + 1u);  // after tiles 1, 11, 21, 31, then the whole screen
    EXPECT_TRUE(rig.Sleeps().empty());
    EXPECT_EQ(rig.Frames().back(), rig.New);
    std::vector<int> previous(tiles, 0);
    for (std::size_t i = 0; i + 1 < rig.Frames().size(); ++i) {
      const std::vector<int> now = NewPixelsPerTile(rig.Frames()[i]);
      int whole = 0;
      for (int k = 0; k < tiles; ++k) {
        const int area = TileArea(k % 7, k / 7, 100, 70);
        ASSERT_TRUE(now[k] == 0 || now[k] == area) << "tile " << k << " is half placed";
        ASSERT_GE(now[k], previous[k]) << "tile " << k << " was placed twice";
        if (now[k] == area) ++whole;
      }
      EXPECT_EQ(whole, static_cast<int>(1 + 10 * i)) << "frame " << i;
      previous = now;
    }
  }
}

TEST(Square, SeededRunsRepeatAndFullHdHas8160Tiles) {
  auto run = [](int w, int h, std::uint64_t seed) {
    SeedRandom(seed);
    EventLog log;
    RecordingClock clock(log);
    CountingSurface surface;
    FrameBitmap screen;
    const FrameBitmap oldScreen = Pattern(w, h, 1), newScreen = Pattern(w, h, 2);
    TransitionContext context{screen, surface, clock};
    context.KeepRandomSequence = true;
    Square(oldScreen, newScreen, context);
    EXPECT_EQ(screen, newScreen);
    return surface.Count;
  };
  // 120 x 68 tiles (the bottom row 8 high): 816 frames of ten and the closing one.
  EXPECT_EQ(run(1920, 1080, 3), 817);

  TransitionRig a(64, 36), b(64, 36);
  for (TransitionRig* rig : {&a, &b}) {
    SeedRandom(11);
    TransitionContext context = rig->Context();
    context.KeepRandomSequence = true;
    Square(rig->Old, rig->New, context);
  }
  EXPECT_EQ(a.Frames(), b.Frames());
}
