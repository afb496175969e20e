// Flip, page and peel, and the shading they share: every presented frame
// against a plain version of the formulas, the frame counts and the sleeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "TransitionRig.h"
#include "filters/HsvConversion.h"
#include "platform/Random.h"
#include "transitions/CardShading.h"
#include "transitions/FlipTransition.h"
#include "transitions/FourPartPlan.h"
#include "transitions/PageTransition.h"
#include "transitions/PeelTransition.h"

namespace {
using Px = std::array<std::uint8_t, 3>;
int Nearest(int d, int len, int full) { return ((2 * d + 1) * full) / (2 * len); }
Px At(const FrameBitmap& b, int x, int y) { return {b.At(x, y)[0], b.At(x, y)[1], b.At(x, y)[2]}; }
int Darken(int in, int k, int g) { return ((in * (16 - k)) >> 4) + ((k * g) >> 4); }
int Brighten(int in, int k, int g) { return (((16 - k) * g) >> 4) + ((k * in) >> 4); }
Px Shaded(Px p, bool darken, int k, int g) {
  for (auto& c : p) c = static_cast<std::uint8_t>(darken ? Darken(c, k, g) : Brighten(c, k, g));
  return p;
}
FrameBitmap Picture(int w, int h, const std::function<Px(int, int)>& fn) {
  FrameBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Px p = fn(x, y);
      std::copy(p.begin(), p.end(), b.At(x, y));
    }
  return b;
}
std::string Size(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }
EventLog Paced(int frames, int ms) {
  EventLog log;
  for (int i = 0; i < frames; ++i) log.insert(log.end(), {ms, kPresented});
  return log;
}
void ExpectFrames(const TransitionRig& rig, const std::vector<FrameBitmap>& expected) {
  ASSERT_EQ(rig.Frames().size(), expected.size());
  for (std::size_t f = 0; f < expected.size(); ++f) ASSERT_EQ(rig.Frames()[f], expected[f]) << "frame " << f;
}
}  // namespace

TEST(CardShading, EveryByteEveryStepFollowsTheFormulas) {
  // 37 pixels: rows longer than the vector width with a tail; every byte value.
  FrameBitmap source(37, 7);
  for (std::size_t i = 0; i < source.Pixels.size(); ++i) source.Pixels[i] = static_cast<std::uint8_t>(i * 7);
  for (int g : {0, 32, 64, 255})
    for (int k = 0; k <= 16; ++k)
      for (bool darken : {true, false}) {
        FrameBitmap b = source;
        ShadeRect(b, 3, 1, 33, 5, darken ? CardShade::Darken : CardShade::Brighten, k, g);
        const FrameBitmap expected = Picture(37, 7, [&](int x, int y) {
          const bool inside = x >= 3 && x < 36 && y >= 1 && y < 6;
          return inside ? Shaded(At(source, x, y), darken, k, g) : At(source, x, y);
        });
        ASSERT_EQ(b, expected) << "k " << k << " g " << g << (darken ? " darken" : " brighten");
      }
}

TEST(FourPartPlan, DrawsTheOrderFromAShrinkingListThenOneChoicePerPart) {
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    SeedRandom(seed);
    std::vector<int> left{0, 1, 2, 3};
    FourPartPlan expected;
    for (int i = 0; i < 3; ++i) {
      const int at = Random(4 - i);
      expected.Order[static_cast<std::size_t>(i)] = left[static_cast<std::size_t>(at)];
      left.erase(left.begin() + at);
    }
    expected.Order[3] = left[0];
    for (int& c : expected.Choices) c = Random(2);
    SeedRandom(seed);
    const FourPartPlan plan = DrawFourPartPlan();
    EXPECT_EQ(plan.Order, expected.Order);
    EXPECT_EQ(plan.Choices, expected.Choices);
  }
}

namespace {
std::vector<FrameBitmap> FlipFrames(const FourPartPlan& plan, const FrameBitmap& o, const FrameBitmap& n) {
  const int w = o.Width, h = o.Height, hw = w / 2, hh = h / 2;
  const int x0s[] = {0, 0, w - hw, w - hw}, y0s[] = {0, h - hh, 0, h - hh};
  // Where each quarter stands: not started (-1), or its phase (0 closing,
  // 1 opening) and step; a turned quarter stays at opening step 16.
  struct Stand {
    int phase = -1, k = 0;
    bool horizontal = true;
  };
  std::array<Stand, 4> stand{};
  auto pixel = [&](int j, int x, int y) -> Px {
    const Stand& st = stand[static_cast<std::size_t>(j)];
    if (st.phase < 0) return At(o, x, y);
    const int x0 = x0s[j], y0 = y0s[j];
    const int len = st.horizontal ? hw : hh, d = len / 16, k = st.k;
    const bool closing = st.phase == 0;
    const int at = closing ? k * d / 2 : (len - k * d) / 2;
    const int cardLen = closing ? len - k * d : k * d;
    const int a = st.horizontal ? x - x0 : y - y0;
    if (a < at || a >= at + cardLen) return Px{0, 0, 0};
    const int sx = st.horizontal ? x0 + Nearest(a - at, cardLen, len) : x;
    const int sy = st.horizontal ? y : y0 + Nearest(a - at, cardLen, len);
    return Shaded(At(closing ? o : n, sx, sy), closing, k, 64);
  };
  std::vector<FrameBitmap> frames;
  for (std::size_t i = 0; i < 4; ++i) {
    Stand& st = stand[static_cast<std::size_t>(plan.Order[i])];
    st.horizontal = plan.Choices[i] == 0;
    for (st.phase = 0; st.phase < 2; ++st.phase)
      for (st.k = 0; st.k <= 16; ++st.k) {
        if (i == 3 && st.phase == 1 && st.k == 16) {
          frames.push_back(n);
          continue;
        }
        frames.push_back(Picture(w, h, [&](int x, int y) -> Px {
          for (int j = 0; j < 4; ++j)
            if (x >= x0s[j] && x < x0s[j] + hw && y >= y0s[j] && y < y0s[j] + hh) return pixel(j, x, y);
          return At(o, x, y);  // the middle line of an odd size
        }));
      }
    st.phase = 1;
    st.k = 16;
  }
  return frames;
}
}  // namespace

TEST(Flip, TurnsEachQuarterOverLikeACardOnBlack) {
  const FourPartPlan plans[] = {
      {{0, 1, 2, 3}, {0, 1, 0, 1}},
      {{3, 1, 0, 2}, {1, 1, 0, 0}},
  };
  // Even, odd (a middle column and row that only the last frame replaces),
  // portrait, and quarters under 16 pixels whose card never moves.
  for (auto [w, h] : {std::pair{70, 40}, {71, 39}, {36, 75}, {20, 12}}) {
    for (const FourPartPlan& plan : plans) {
      SCOPED_TRACE(Size(w, h));
      TransitionRig rig(w, h);
      Flip(plan, rig.Old, rig.New, rig.Context());
      ExpectFrames(rig, FlipFrames(plan, rig.Old, rig.New));
      EXPECT_EQ(rig.Log, Paced(136, 2));
      EXPECT_EQ(rig.Screen, rig.New);
    }
  }
}

TEST(Flip, QuarterIsBlackBetweenItsSidesAndKeepsItsMarginsUntilTheEnd) {
  // 1366 x 768 has quarters of 683 x 384; d = 42 across, so the turned
  // quarter keeps black margins of 5 and 6 columns.
  struct Keep final : DisplaySurface {
    std::vector<int> wanted;
    std::vector<FrameBitmap> kept;
    int count = 0;
    void PresentFrame(const FrameBitmap& f) override {
      if (std::find(wanted.begin(), wanted.end(), count++) != wanted.end()) kept.push_back(f);
    }
  } keep;
  keep.wanted = {17, 33, 34};
  EventLog log;
  RecordingClock clock(log);
  FrameBitmap screen;
  const FrameBitmap oldScreen = Pattern(1366, 768, 1), newScreen = Pattern(1366, 768, 2);
  Flip(FourPartPlan{{0, 1, 2, 3}, {0, 0, 0, 0}}, oldScreen, newScreen, TransitionContext{screen, keep, clock, 0});
  ASSERT_EQ(keep.kept.size(), 3u);
  const FrameBitmap& black = keep.kept[0];  // opening, k = 0
  for (int y : {0, 383})
    for (int x : {0, 682}) EXPECT_EQ(At(black, x, y), (Px{0, 0, 0}));
  EXPECT_EQ(black.At(683, 0)[2], 1);  // the quarter beside it untouched
  EXPECT_EQ(black.At(0, 384)[2], 1);
  const FrameBitmap& turned = keep.kept[1];  // opening, k = 16
  EXPECT_EQ(At(turned, 4, 10), (Px{0, 0, 0}));
  EXPECT_EQ(turned.At(5, 10)[2], 2);
  EXPECT_EQ(turned.At(676, 10)[2], 2);
  EXPECT_EQ(At(turned, 677, 10), (Px{0, 0, 0}));
  EXPECT_EQ(At(keep.kept[2], 4, 10), (Px{0, 0, 0}));  // still there while the next quarter turns
}

namespace {
std::vector<FrameBitmap> PageFrames(int direction, const FrameBitmap& o, const FrameBitmap& n) {
  const int w = o.Width, h = o.Height, L = w / 2, R = w - L;
  std::vector<FrameBitmap> frames;
  for (int k = 0; k <= 16; ++k) {
    const int d = L / 16, kd = k * d;
    frames.push_back(Picture(w, h, [&](int x, int y) -> Px {
      if (direction == 0) {
        if (k == 16) return At(x < L ? n : o, x, y);
        if (x < kd) return At(n, x, y);
        if (x < L) return Shaded(At(o, Nearest(x - kd, L - kd, L), y), true, k, 32);
        return At(o, x, y);
      }
      if (k == 16) return At(x < R ? o : n, x, y);
      if (x < R) return At(o, x, y);
      if (x < w - kd) return Shaded(At(o, R + Nearest(x - R, L - kd, L), y), true, k, 32);
      return At(n, x, y);
    }));
  }
  for (int k = 0; k <= 16; ++k) {
    const int e = (direction == 0 ? w - L : R) / 16, ke = k * e;
    frames.push_back(Picture(w, h, [&](int x, int y) -> Px {
      if (k == 16) return At(n, x, y);
      if (direction == 0) {
        if (x < L) return At(n, x, y);
        if (x < L + ke) return Shaded(At(n, L + Nearest(x - L, ke, w - L), y), false, k, 32);
        return At(o, x, y);
      }
      if (x >= R) return At(n, x, y);
      if (x >= R - ke) return Shaded(At(n, Nearest(x - (R - ke), ke, R), y), false, k, 32);
      return At(o, x, y);
    }));
  }
  return frames;
}
}  // namespace

TEST(Page, FoldsTheOldHalfAwayAndUnfoldsTheNewOne) {
  for (auto [w, h] : {std::pair{64, 20}, {67, 9}, {40, 70}, {9, 5}}) {
    for (int direction : {0, 1}) {
      SCOPED_TRACE(Size(w, h) + " direction " + std::to_string(direction));
      TransitionRig rig(w, h);
      Page(direction, rig.Old, rig.New, rig.Context());
      ExpectFrames(rig, PageFrames(direction, rig.Old, rig.New));
      EXPECT_EQ(rig.Log, Paced(34, 4));
      EXPECT_EQ(rig.Screen, rig.New);
    }
  }
}

namespace {
Px PeelBack(const FrameBitmap& n, bool rows, int x, int y) {
  const Px p = At(n, rows ? x : n.Width - 1 - x, rows ? n.Height - 1 - y : y);
  const Hsv hsv = RgbToHsv(p[2], p[1], p[0]);
  const RgbFloat c = HsvToRgb(hsv.h, hsv.s, static_cast<float>(hsv.v * 0.4));
  return {static_cast<std::uint8_t>(c.b), static_cast<std::uint8_t>(c.g), static_cast<std::uint8_t>(c.r)};
}

std::vector<FrameBitmap> PeelFrames(int variant, const FrameBitmap& o, const FrameBitmap& n) {
  const bool rows = variant % 2 == 1, fromStart = variant < 2;
  const int e = rows ? o.Height : o.Width, d = e / 64, half = e / 2;
  std::vector<FrameBitmap> frames;
  for (int phase = 0; phase < 2; ++phase)
    for (int k = 0; k <= 32; ++k) {
      const int s = k * d;
      frames.push_back(Picture(o.Width, o.Height, [&](int x, int y) -> Px {
        const int a = rows ? y : x;
        // The back at position b along the axis.
        auto back = [&](int b) { return rows ? PeelBack(n, true, x, b) : PeelBack(n, false, b, y); };
        if (phase == 0) {
          if (fromStart) return a < s ? At(n, x, y) : a < 2 * s ? back(e - 2 * s + a) : At(o, x, y);
          return a >= e - s ? At(n, x, y) : a >= e - 2 * s ? back(a - (e - 2 * s)) : At(o, x, y);
        }
        if (k == 32) return At(n, x, y);
        if (fromStart) return a < half + s ? At(n, x, y) : back(a - 2 * s);
        return a >= half - s ? At(n, x, y) : back(a + 2 * s);
      }));
    }
  return frames;
}
}  // namespace

TEST(Peel, CurlsTheOldScreenOffShowingADarkMirrorAsItsBack) {
  // Steps of 2 across and 1 down; odd extents, whose far half is the wider;
  // a screen under 64 pixels whose sheet never moves until the end.
  for (auto [w, h] : {std::pair{128, 64}, {131, 67}, {70, 130}, {40, 20}}) {
    for (int variant = 0; variant < 4; ++variant) {
      SCOPED_TRACE(Size(w, h) + " variant " + std::to_string(variant));
      TransitionRig rig(w, h);
      Peel(variant, rig.Old, rig.New, rig.Context());
      ExpectFrames(rig, PeelFrames(variant, rig.Old, rig.New));
      EXPECT_EQ(rig.Log, Paced(66, 12));
      EXPECT_EQ(rig.Screen, rig.New);
    }
  }
}

TEST(Peel, BackIsTheMirrorAtFortyPercentValueTruncated) {
  FrameBitmap source(3, 2);
  const Px pixels[] = {{50, 100, 200}, {255, 255, 255}, {0, 0, 0}, {7, 3, 1}, {30, 60, 90}, {201, 13, 128}};
  for (int i = 0; i < 6; ++i) std::copy(pixels[i].begin(), pixels[i].end(), source.Pixels.data() + 3 * i);
  FrameBitmap back;
  MakePeelBack(source, false, back);
  // Blue 50, green 100, red 200: value 80 with the same hue and saturation.
  EXPECT_EQ(At(back, 2, 0), (Px{20, 40, 80}));
  EXPECT_EQ(At(back, 1, 0), (Px{102, 102, 102}));
  EXPECT_EQ(At(back, 0, 0), (Px{0, 0, 0}));
  EXPECT_EQ(At(back, 2, 1), (Px{2, 1, 0}));  // 2.8, 1.2, 0.4 truncated
  MakePeelBack(source, true, back);
  EXPECT_EQ(At(back, 0, 1), (Px{20, 40, 80}));
}
