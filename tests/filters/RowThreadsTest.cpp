#include <gtest/gtest.h>

#include <functional>

#include "filters/ApplyFilter.h"
#include "filters/BlendMode.h"
#include "filters/Convolutions.h"
#include "filters/FilmFilters.h"
#include "filters/GaussianBlur.h"
#include "filters/HsvOperations.h"
#include "filters/QuadrantSmooth.h"
#include "filters/Sharpen.h"
#include "platform/Random.h"
#include "support/ScopedRowThreads.h"

namespace {

// Odd sizes and busy content, so bands end mid-picture and every channel moves.
FrameBitmap Busy(int w, int h) {
  FrameBitmap b(w, h);
  SeedRandom(1234);
  for (std::uint8_t& v : b.Pixels) v = static_cast<std::uint8_t>(Random(256));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; x += 7) b.At(x, y)[y % 3] = static_cast<std::uint8_t>(x * 3);
  return b;
}

// The picture after op on one thread and on three, and the generator's next
// draw after each: bytes and draws must match.
void ExpectSameOnSeveralThreads(const std::function<void(FrameBitmap&)>& op) {
  auto run = [&](int threads) {
    FrameBitmap b = Busy(131, 97);
    ScopedRowThreads scope(threads);
    SeedRandom(77);
    FixReseedClock(7777);  // filters that reseed repeat too
    op(b);
    const int next = Random(1000000);
    FixReseedClock(std::nullopt);
    return std::pair{b, next};
  };
  const auto one = run(1);
  const auto three = run(3);
  EXPECT_TRUE(three.first == one.first);
  EXPECT_EQ(three.second, one.second);
}

}  // namespace

TEST(RowThreads, EveryFilterIsTheSameOnOneThreadAndOnSeveral) {
  FilterContext context;
  context.FrameMargin = 5;
  context.ScreenWidth = 200;
  context.ScreenHeight = 150;
  context.UprightWidth = 131;
  context.UprightHeight = 97;
  context.SlideshowRunning = true;
  for (int kind = 0; kind <= 22; ++kind) {
    SCOPED_TRACE(kind);
    ExpectSameOnSeveralThreads([&](FrameBitmap& b) { ApplyFilter(kind, b, context); });
  }
  // Every look of the filters that draw one.
  for (int c = 0; c < 6; ++c) ExpectSameOnSeveralThreads([&](FrameBitmap& b) { CrossProcessLook(b, c); });
  for (bool sky : {false, true}) ExpectSameOnSeveralThreads([&](FrameBitmap& b) { NostalgicLook(b, sky); });
}

TEST(RowThreads, TheSharedPixelOperationsAreTheSameOnOneThreadAndOnSeveral) {
  const struct {
    const char* name;
    std::function<void(FrameBitmap&)> op;
  } cases[] = {
      {"blur 1", [](FrameBitmap& b) { GaussianBlur(b, 1); }},
      {"blur 7 (computed weights)", [](FrameBitmap& b) { GaussianBlur(b, 7); }},
      {"blur 30, wider than the picture", [](FrameBitmap& b) { GaussianBlur(b, 30); }},
      {"soft focus", [](FrameBitmap& b) { SoftFocus(b, 8, 0.2); }},
      {"soft focus without blur", [](FrameBitmap& b) { SoftFocus(b, 0, 0.2); }},
      {"sharpen", [](FrameBitmap& b) { Sharpen(b, 60); }},
      {"hard sharpen 9", [](FrameBitmap& b) { HardSharpen(b, 9); }},
      {"edge sketch", [](FrameBitmap& b) { EdgeSketch(b); }},
      {"laplacian sketch", [](FrameBitmap& b) { LaplacianSketch(b); }},
      {"line art", [](FrameBitmap& b) { LineArt(b); }},
      {"quadrant smooth", [](FrameBitmap& b) { QuadrantSmooth(b, 4); }},
      {"oil paint", [](FrameBitmap& b) { OilPaintSmooth(b, 3); }},
      {"posterize", [](FrameBitmap& b) { Posterize(b, 5); }},
      {"hsv", [](FrameBitmap& b) { AdjustHsv(b, 1.2, 0.7); }},
      {"overlay at 40 %", [](FrameBitmap& b) { LayerBlend(b, Busy(131, 97), 40, BlendMode::Overlay, b); }},
      {"retro plates", [](FrameBitmap& b) { RetroLook(b, 3); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectSameOnSeveralThreads(c.op);
  }
}
