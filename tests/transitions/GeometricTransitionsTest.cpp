// Every frame of the wipe, slide, push, squeeze, fit, blind and shutter,
// compared pixel by pixel with the picture their rectangles describe.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "TransitionRig.h"
#include "transitions/BandTransitions.h"
#include "transitions/EdgeTransitions.h"

namespace {
using Pixel = const std::uint8_t*;
struct Frame {
  int t, s, w, h;
  const FrameBitmap& o;
  const FrameBitmap& n;
  Pixel Old(int x, int y) const { return o.At(x, y); }
  Pixel New(int x, int y) const { return n.At(x, y); }
};
using Reference = std::function<Pixel(const Frame& f, int x, int y)>;
using Runner = std::function<void(const FrameBitmap&, const FrameBitmap&, const TransitionContext&)>;

struct Case {
  std::string name;
  Runner run;
  int n;           // the last frame, the whole new screen
  int sleepMs;
  int divisor;     // step = extent / divisor
  bool horizontal; // extent is the width
  Reference pixel;
};

// Runs a case on a w x h screen and compares every presented frame.
void CheckCase(const Case& c, int w, int h) {
  SCOPED_TRACE(c.name + " on " + std::to_string(w) + "x" + std::to_string(h));
  TransitionRig rig(w, h);
  c.run(rig.Old, rig.New, rig.Context());
  ASSERT_EQ(rig.Frames().size(), static_cast<std::size_t>(c.n + 1));
  EXPECT_EQ(rig.Sleeps(), std::vector<int>(static_cast<std::size_t>(c.n + 1), c.sleepMs));
  const int step = (c.horizontal ? w : h) / c.divisor;
  for (int t = 0; t < c.n; ++t) {
    const Frame f{t, t * step, w, h, rig.Old, rig.New};
    const FrameBitmap expected = Expected(w, h, [&](int x, int y) { return c.pixel(f, x, y); });
    ASSERT_EQ(rig.Frames()[static_cast<std::size_t>(t)], expected) << "frame " << t;
  }
  EXPECT_EQ(rig.Frames().back(), rig.New);
  EXPECT_EQ(rig.Screen, rig.New);
}

template <typename Fn>
Runner With(Fn fn, int choice) {
  return [fn, choice](const FrameBitmap& o, const FrameBitmap& n, const TransitionContext& c) {
    fn(choice, o, n, c);
  };
}

// Nearest-neighbour source index of destination index d of a span of length
// len that shows all of a source of length full.
int Nearest(int d, int len, int full) { return ((2 * d + 1) * full) / (2 * len); }

std::vector<Case> EdgeCases() {
  std::vector<Case> cases;
  auto add = [&](std::string name, Runner run, bool horizontal, Reference ref) {
    cases.push_back({std::move(name), std::move(run), 32, 10, 32, horizontal, std::move(ref)});
  };
  // Wipe: the new screen uncovered in place.
  add("wipe 0", With(Wipe, 0), true, [](const Frame& f, int x, int y) { return x < f.s ? f.New(x, y) : f.Old(x, y); });
  add("wipe 1", With(Wipe, 1), false, [](const Frame& f, int x, int y) { return y < f.s ? f.New(x, y) : f.Old(x, y); });
  add("wipe 2", With(Wipe, 2), true, [](const Frame& f, int x, int y) { return x >= f.w - f.s ? f.New(x, y) : f.Old(x, y); });
  add("wipe 3", With(Wipe, 3), false, [](const Frame& f, int x, int y) { return y >= f.h - f.s ? f.New(x, y) : f.Old(x, y); });
  // Slide: one screen moves, the other stays.
  add("slide 0", With(Slide, 0), true, [](const Frame& f, int x, int y) { return x < f.s ? f.New(f.w - f.s + x, y) : f.Old(x, y); });
  add("slide 1", With(Slide, 1), false, [](const Frame& f, int x, int y) { return y < f.s ? f.New(x, f.h - f.s + y) : f.Old(x, y); });
  add("slide 2", With(Slide, 2), true, [](const Frame& f, int x, int y) { return x >= f.w - f.s ? f.New(x - (f.w - f.s), y) : f.Old(x, y); });
  add("slide 3", With(Slide, 3), false, [](const Frame& f, int x, int y) { return y >= f.h - f.s ? f.New(x, y - (f.h - f.s)) : f.Old(x, y); });
  add("slide 4", With(Slide, 4), true, [](const Frame& f, int x, int y) { return x < f.s ? f.New(x, y) : f.Old(x - f.s, y); });
  add("slide 5", With(Slide, 5), false, [](const Frame& f, int x, int y) { return y < f.s ? f.New(x, y) : f.Old(x, y - f.s); });
  add("slide 6", With(Slide, 6), true, [](const Frame& f, int x, int y) { return x >= f.w - f.s ? f.New(x, y) : f.Old(x + f.s, y); });
  add("slide 7", With(Slide, 7), false, [](const Frame& f, int x, int y) { return y >= f.h - f.s ? f.New(x, y) : f.Old(x, y + f.s); });
  // Push: both screens move.
  add("push 0", With(Push, 0), true, [](const Frame& f, int x, int y) { return x < f.s ? f.New(f.w - f.s + x, y) : f.Old(x - f.s, y); });
  add("push 1", With(Push, 1), false, [](const Frame& f, int x, int y) { return y < f.s ? f.New(x, f.h - f.s + y) : f.Old(x, y - f.s); });
  add("push 2", With(Push, 2), true, [](const Frame& f, int x, int y) { return x >= f.w - f.s ? f.New(x - (f.w - f.s), y) : f.Old(x + f.s, y); });
  add("push 3", With(Push, 3), false, [](const Frame& f, int x, int y) { return y >= f.h - f.s ? f.New(x, y - (f.h - f.s)) : f.Old(x, y + f.s); });

  // Squeeze: both whole screens scaled into their parts.
  auto squeeze = [&](int d, bool horizontal, Reference ref) {
    cases.push_back({"squeeze " + std::to_string(d), With(Squeeze, d), 16, 2, 16, horizontal, std::move(ref)});
  };
  squeeze(0, true, [](const Frame& f, int x, int y) {
    return x < f.s ? f.New(Nearest(x, f.s, f.w), y) : f.Old(Nearest(x - f.s, f.w - f.s, f.w), y);
  });
  squeeze(1, false, [](const Frame& f, int x, int y) {
    return y < f.s ? f.New(x, Nearest(y, f.s, f.h)) : f.Old(x, Nearest(y - f.s, f.h - f.s, f.h));
  });
  squeeze(2, true, [](const Frame& f, int x, int y) {
    const int edge = f.w - f.s;
    return x >= edge ? f.New(Nearest(x - edge, f.s, f.w), y) : f.Old(Nearest(x, edge, f.w), y);
  });
  squeeze(3, false, [](const Frame& f, int x, int y) {
    const int edge = f.h - f.s;
    return y >= edge ? f.New(x, Nearest(y - edge, f.s, f.h)) : f.Old(x, Nearest(y, edge, f.h));
  });

  // Fit: strips of 8 from alternate sides.
  add("fit 0", With(Fit, 0), true, [](const Frame& f, int x, int y) {
    if ((y / 8) % 2 == 0) return x < f.s ? f.New(f.w - f.s + x, y) : f.Old(x, y);
    return x >= f.w - f.s ? f.New(x - (f.w - f.s), y) : f.Old(x, y);
  });
  add("fit 1", With(Fit, 1), false, [](const Frame& f, int x, int y) {
    if ((x / 8) % 2 == 0) return y < f.s ? f.New(x, f.h - f.s + y) : f.Old(x, y);
    return y >= f.h - f.s ? f.New(x, y - (f.h - f.s)) : f.Old(x, y);
  });

  // Blind: each slat open by 2t, a narrow last slat by the last even width that fits.
  auto blind = [&](int orientation) {
    cases.push_back({"blind " + std::to_string(orientation), With(Blind, orientation), 32, 20, 32,
                     orientation == 0, [orientation](const Frame& f, int x, int y) {
                       const int at = orientation == 0 ? x : y;
                       const int extent = orientation == 0 ? f.w : f.h;
                       const int left = at / 64 * 64;
                       const int open = std::min(2 * f.t, (extent - left) / 2 * 2);
                       return at - left < open ? f.New(x, y) : f.Old(x, y);
                     }});
  };
  blind(0);
  blind(1);
  return cases;
}
}  // namespace

TEST(GeometricTransitions, EveryFrameMatchesItsRectangles) {
  for (const Case& c : EdgeCases()) {
    CheckCase(c, 100, 70);  // steps 3 and 2; a 6-row last fit strip; narrow last slats
    CheckCase(c, 64, 36);
    CheckCase(c, 37, 23);   // a vertical step of 0 for the 32-frame kinds
  }
}

TEST(GeometricTransitions, SlideKeepsTheOldScreenStillWherePushMovesIt) {
  TransitionRig slide(64, 36), push(64, 36);
  Slide(0, slide.Old, slide.New, slide.Context());
  Push(0, push.Old, push.New, push.Context());
  // Frame 10 of 32: s = 20; the same new part, the old part moved only by push.
  EXPECT_EQ(slide.Frames()[10].At(30, 5)[0], 30);
  EXPECT_EQ(push.Frames()[10].At(30, 5)[0], 10);
  EXPECT_EQ(slide.Frames()[10].At(0, 5)[0], push.Frames()[10].At(0, 5)[0]);
}

TEST(GeometricTransitions, WideScreenEdgesOfWipeAndBlind) {
  // W = 1366: the wipe's step is 42, so frame 31 shows 1302 new columns.
  EventLog log;
  RecordingClock clock(log);
  const FrameBitmap oldScreen = Pattern(1366, 2, 1), newScreen = Pattern(1366, 2, 2);
  FrameBitmap screen;
  struct AtFrame final : DisplaySurface {
    explicit AtFrame(int wanted) : wanted(wanted) {}
    void PresentFrame(const FrameBitmap& f) override {
      if (count++ == wanted) kept = f;
    }
    int wanted, count = 0;
    FrameBitmap kept;
  };
  AtFrame wipe31(31);
  Wipe(0, oldScreen, newScreen, TransitionContext{screen, wipe31, clock});
  EXPECT_EQ(wipe31.kept.At(1301, 1)[2], 2);
  EXPECT_EQ(wipe31.kept.At(1302, 1)[2], 1);

  // Blind: 22 slats, the last 22 pixels wide and complete at t = 11.
  AtFrame blind10(10), blind11(11);
  Blind(0, oldScreen, newScreen, TransitionContext{screen, blind10, clock});
  Blind(0, oldScreen, newScreen, TransitionContext{screen, blind11, clock});
  EXPECT_EQ(blind10.kept.At(1363, 0)[2], 2);
  EXPECT_EQ(blind10.kept.At(1364, 0)[2], 1);
  EXPECT_EQ(blind11.kept.At(1365, 0)[2], 2);
  EXPECT_EQ(blind11.kept.At(1301, 0)[2], 2);  // slat 20 has opened 22 of its 64 columns
  EXPECT_EQ(blind11.kept.At(1302, 0)[2], 1);
}

TEST(GeometricTransitions, FitOnAFullHdHeightHas135StripsTheTopOneFromTheLeft) {
  EventLog log;
  RecordingClock clock(log);
  const FrameBitmap oldScreen = Pattern(64, 1080, 1), newScreen = Pattern(64, 1080, 2);
  FrameBitmap screen;
  struct Second final : DisplaySurface {
    void PresentFrame(const FrameBitmap& f) override {
      if (count++ == 1) kept = f;
    }
    int count = 0;
    FrameBitmap kept;
  } second;
  Fit(0, oldScreen, newScreen, TransitionContext{screen, second, clock});
  // Frame 1: s = 2. Strip 0 (rows 0..7) enters at the left, strip 1 at the
  // right, and the 135th and last strip (rows 1072..1079, even) at the left.
  EXPECT_EQ(second.kept.At(0, 7)[2], 2);
  EXPECT_EQ(second.kept.At(0, 7)[0], 62);
  EXPECT_EQ(second.kept.At(0, 8)[2], 1);
  EXPECT_EQ(second.kept.At(63, 8)[2], 2);
  EXPECT_EQ(second.kept.At(1, 1079)[2], 2);
  EXPECT_EQ(second.kept.At(63, 1079)[2], 1);
  EXPECT_EQ(second.count, 33);
}

TEST(Shutter, ClosesOnTheOldScreenRestsDarkAndOpensOnTheNew) {
  for (const auto& [w, h] : {std::pair{64, 36}, std::pair{30, 50}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    TransitionRig rig(w, h);
    Shutter(rig.Old, rig.New, rig.Context());
    ASSERT_EQ(rig.Frames().size(), 34u);
    EventLog expectedLog;
    for (int i = 0; i < 17; ++i) expectedLog.insert(expectedLog.end(), {2, kPresented});
    expectedLog.push_back(120);
    for (int i = 0; i < 17; ++i) expectedLog.insert(expectedLog.end(), {2, kPresented});
    EXPECT_EQ(rig.Log, expectedLog);

    FrameBitmap dark(w, h);
    dark.Fill(kShutterColor);
    const std::uint8_t shutter[3] = {49, 49, 49};
    const int step = h / 16;
    for (int t = 0; t <= 16; ++t) {
      const int closing = t == 16 ? 0 : h - t * step;
      const int opening = t * step;
      auto slot = [&](const FrameBitmap& source, int a) {
        const int top = (h - a) / 2;
        return Expected(w, h, [&](int x, int y) {
          return y >= top && y < top + a ? source.At(x, y) : shutter;
        });
      };
      EXPECT_EQ(rig.Frames()[static_cast<std::size_t>(t)], slot(rig.Old, closing)) << "closing " << t;
      if (t < 16) {
        EXPECT_EQ(rig.Frames()[static_cast<std::size_t>(17 + t)], slot(rig.New, opening)) << "opening " << t;
      }
    }
    EXPECT_EQ(rig.Frames()[16], dark);  // shown through the 120 ms rest
    EXPECT_EQ(rig.Frames()[17], dark);
    EXPECT_EQ(rig.Frames().back(), rig.New);
  }
}

TEST(Squeeze, FrameZeroIsTheOldScreenUnchanged) {
  for (int d = 0; d < 4; ++d) {
    TransitionRig rig(37, 23);
    Squeeze(d, rig.Old, rig.New, rig.Context());
    EXPECT_EQ(rig.Frames().front(), rig.Old) << "direction " << d;
  }
}
