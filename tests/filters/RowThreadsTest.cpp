#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <thread>

#include "filters/ApplyFilter.h"
#include "filters/BlendMode.h"
#include "filters/CameraFilters.h"
#include "filters/Convolutions.h"
#include "filters/FilmFilters.h"
#include "filters/GreyToneFilters.h"
#include "filters/GaussianBlur.h"
#include "filters/HsvOperations.h"
#include "filters/PainterlyFilters.h"
#include "filters/PartColorFilter.h"
#include "filters/QuadrantSmooth.h"
#include "filters/Sharpen.h"
#include "filters/WorkBesideDraws.h"
#include "platform/Random.h"
#include "support/ScopedRowThreads.h"
#include "transitions/TransitionKind.h"

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
  for (int t = 0; t < 7; ++t)
    ExpectSameOnSeveralThreads([&](FrameBitmap& b) { ToyCameraLook(b, context, RgbColor{0, 0, 0}, 24, t); });
}

TEST(RowThreads, TheFilterVariantsAreTheSameOnOneThreadAndOnSeveral) {
  FilterContext single;  // not running: the single pop form, the toy camera's wide radius
  FilterContext running;
  running.SlideshowRunning = true;
  running.ActiveTransition = 2;  // not the growing transition: the pop grid
  running.ScreenWidth = 200;
  running.ScreenHeight = 150;
  FilterContext polaroid = running;  // the growing transition's polaroid frame: the narrow radius, no border
  polaroid.ActiveTransition = static_cast<int>(TransitionKind::Increase);
  polaroid.IncFrame = 2;
  PsychedelicDraw across;
  across.C1 = {20, 140, 60};
  across.C2 = {143, 16, 100};
  across.C3 = {70, 90, 16};
  PsychedelicDraw down = across;
  down.Vertical = !across.Vertical;
  const struct {
    const char* name;
    std::function<void(FrameBitmap&)> op;
  } cases[] = {
      {"oil paint radius 2", [](FrameBitmap& b) { OilPaintFilter(b, 2); }},
      {"television with ghost", [](FrameBitmap& b) { TelevisionFilter(b, true); }},
      {"television without ghost", [](FrameBitmap& b) { TelevisionFilter(b, false); }},
      {"monotone with soft light", [](FrameBitmap& b) { MonotoneFilter(b, true); }},
      {"monotone without soft light", [](FrameBitmap& b) { MonotoneFilter(b, false); }},
      {"sepia without soft light", [](FrameBitmap& b) { SepiaFilter(b, false); }},
      {"part colour, red kept", [](FrameBitmap& b) { PartColorLook(b, 3); }},
      {"part colour, red grey", [](FrameBitmap& b) { PartColorLook(b, 4); }},
      {"part colour filter", [](FrameBitmap& b) { PartColorFilter(b); }},
      {"psychedelic filter", [](FrameBitmap& b) { PsychedelicFilter(b); }},
      {"psychedelic across", [&](FrameBitmap& b) { PsychedelicLook(b, across); }},
      {"psychedelic down", [&](FrameBitmap& b) { PsychedelicLook(b, down); }},
      {"fake HDR", [](FrameBitmap& b) { FakeHdrFilter(b); }},
      {"pop single", [&](FrameBitmap& b) { PopFilter(b, single); }},
      {"pop grid", [&](FrameBitmap& b) { PopFilter(b, running); }},
      {"toy camera, not running", [&](FrameBitmap& b) { ToyCameraFilter(b, single, RgbColor{30, 0, 90}, 60); }},
      {"toy camera, polaroid frame", [&](FrameBitmap& b) { ToyCameraFilter(b, polaroid, RgbColor{0, 0, 0}, 24); }},
      {"painted poster", [](FrameBitmap& b) { PaintedPosterFilter(b); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectSameOnSeveralThreads(c.op);
  }
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
      {"hard sharpen 3", [](FrameBitmap& b) { HardSharpen(b, 3); }},
      {"combined sketch", [](FrameBitmap& b) { SketchCombine(b, 55); }},
      {"grey blur", [](FrameBitmap& b) { GaussianBlurGrey(b, 8); }},
      {"grey soft focus", [](FrameBitmap& b) { SoftFocusGrey(b, 3, 0.25); }},
      {"quadrant smooth", [](FrameBitmap& b) { QuadrantSmooth(b, 4); }},
      // Windows taller than a band, so every band reads rows of the next.
      {"quadrant smooth 10", [](FrameBitmap& b) { QuadrantSmooth(b, 10); }},
      {"oil paint", [](FrameBitmap& b) { OilPaintSmooth(b, 3); }},
      {"oil paint 10", [](FrameBitmap& b) { OilPaintSmooth(b, 10); }},
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

TEST(RowThreads, TheDrawsBesideTheWorkStayOnTheCallingThreadAndAFailureOfTheWorkReachesTheCaller) {
  for (int threads : {1, 2}) {
    SCOPED_TRACE(threads);
    ScopedRowThreads scope(threads);
    std::thread::id drawThread;
    EXPECT_THROW(RunWorkBesideDraws([] { throw std::bad_alloc(); }, [&] { drawThread = std::this_thread::get_id(); }),
                 std::bad_alloc);
    EXPECT_EQ(drawThread, std::this_thread::get_id());
  }
}
