// The Increase pile through the show path, checked frame by frame against a
// plain, unoptimised writing of its rules kept here.
#include <gtest/gtest.h>
#include <png.h>

#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "ImageFixtures.h"
#include "display/DisplaySurface.h"
#include "display/ExifInfo.h"
#include "engine/ImageShow.h"
#include "engine/IncreasePile.h"
#include "engine/Resample.h"
#include "filters/ApplyFilter.h"
#include "filters/Sharpen.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/UserDialogs.h"

namespace {

class FrameSurface : public DisplaySurface {
 public:
  void PresentFrame(const FrameBitmap& frame) override {
    if (!keepAll) frames.clear();
    frames.push_back(frame);
  }
  std::vector<FrameBitmap> frames;
  bool keepAll = true;  // false: only the last frame
};

class SilentDialogs : public UserDialogs {
 public:
  void ShowInformation(const QString&) override {}
  void ShowError(const QString& text) override { errors << text; }
  bool AskYesNo(const QString&) override { return true; }
  void ProcessPendingMessages() override {}
  QStringList errors;
};

class SleepLog : public Clock {
 public:
  void Sleep(int ms) override { sleeps.push_back(ms); }
  std::int64_t MonotonicMs() override { return 0; }
  QDateTime Now() override { return {}; }
  std::vector<int> sleeps;
};

// ---- the rules, written plainly ---------------------------------------------

void Put(FrameBitmap& b, int x, int y, const std::uint8_t* p) {
  for (int c = 0; c < 3; ++c) b.At(x, y)[c] = p[c];
}
void PutColour(FrameBitmap& b, int x, int y, ColorRef colour) {
  const std::uint8_t p[3] = {BlueOf(colour), GreenOf(colour), RedOf(colour)};
  Put(b, x, y, p);
}
void DrawAt(FrameBitmap& onto, const FrameBitmap& what, int left, int top) {
  for (int y = 0; y < what.Height; ++y)
    for (int x = 0; x < what.Width; ++x) {
      const int tx = left + x, ty = top + y;
      if (tx >= 0 && ty >= 0 && tx < onto.Width && ty < onto.Height) Put(onto, tx, ty, what.At(x, y));
    }
}

struct RefOptions {
  int incFrame = 1;
  int P = 200;
  bool tilt = true;
  int imageFilter = 0;
  int pileFilter = 0;
};

int RefBorder(const RefOptions& o) {
  if (o.incFrame == 2) return static_cast<int>(o.P * 0.035);
  if (o.incFrame == 1) return static_cast<int>(o.P * 0.025);
  return 0;
}

FrameBitmap RefFrame(const FrameBitmap& photo, const RefOptions& o) {
  const int B = RefBorder(o), PW = static_cast<int>(o.P * 0.8);
  if (o.incFrame == 0) return photo;
  const int w = o.incFrame == 2 ? PW + 1 : photo.Width + 2 * B + 1;
  const int h = o.incFrame == 2 ? o.P + 1 : photo.Height + 2 * B + 1;
  FrameBitmap f(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) PutColour(f, x, y, x < w - 1 && y < h - 1 ? 0xFFFFFF : 0x808080);
  DrawAt(f, photo, B, B);
  return f;
}

// The framed photo turned by angle degrees about the corner of its ringed
// copy, over the screen at (x, y); returns J x K. In placing mode (x, y)
// is drawn here, after the box is known.
struct RefTilted {
  FrameBitmap out;
  int x = 0, y = 0;
};
RefTilted RefTilt(const FrameBitmap& F, int angle, const FrameBitmap& screen, ColorRef bg, bool redraw,
                  const std::function<void(int J, int K, int& x, int& y)>& place) {
  const int bw = F.Width + 2, bh = F.Height + 2;
  FrameBitmap ringed(bw, bh);
  ringed.Fill(0xFFFFFF);
  DrawAt(ringed, F, 1, 1);
  const double a = angle * std::numbers::pi / 180.0;
  const double c = angle == 0 ? 1.0 : std::cos(a), s = angle == 0 ? 0.0 : std::sin(a);
  double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
  for (auto [px, py] : {std::pair{0, 0}, {bw - 1, 0}, {0, bh - 1}, {bw - 1, bh - 1}}) {
    const double rx = px * c - py * s, ry = px * s + py * c;
    minX = std::min(minX, rx), maxX = std::max(maxX, rx);
    minY = std::min(minY, ry), maxY = std::max(maxY, ry);
  }
  const int J = static_cast<int>(std::nearbyint(maxX - minX + 1));
  const int K = static_cast<int>(std::nearbyint(maxY - minY + 1));
  RefTilted r;
  place(J, K, r.x, r.y);
  r.out = FrameBitmap(J, K);
  r.out.Fill(bg);
  for (int i = 0; i < K; ++i)
    for (int j = 0; j < J; ++j)
      if (r.x + j >= 0 && r.y + i >= 0 && r.x + j < screen.Width && r.y + i < screen.Height)
        Put(r.out, j, i, screen.At(r.x + j, r.y + i));
  auto back = [&](int j, int i) {
    const double X = j + minX, Y = i + minY;
    return std::pair{X * c + Y * s, -X * s + Y * c};
  };
  auto ring = [&](int px, int py) {
    if (px < 0 || py < 0 || px >= bw || py >= bh) return false;
    return px == 0 || py == 0 || px == bw - 1 || py == bh - 1;
  };
  std::vector<bool> hit(static_cast<std::size_t>(bw * bh), false);
  for (int i = 0; i < K; ++i)
    for (int j = 0; j < J; ++j) {
      auto [u, v] = back(j, i);
      const int px = static_cast<int>(std::floor(u)), py = static_cast<int>(std::floor(v));
      if (!ring(px, py)) continue;
      Put(ringed, px, py, r.out.At(j, i));
      hit[static_cast<std::size_t>(py * bw + px)] = true;
    }
  int firstHit = -1;
  for (int px = bw - 1; px >= 0; --px)
    if (hit[static_cast<std::size_t>(px)]) firstHit = px;
  for (int py = 0; py < bh; ++py)
    for (int px = 0; px < bw; ++px) {
      if (!ring(px, py) || hit[static_cast<std::size_t>(py * bw + px)]) continue;
      if (py > 0) Put(ringed, px, py, FrameBitmap(ringed).At(px, py - 1));
      else if (px > 0) Put(ringed, px, py, FrameBitmap(ringed).At(px - 1, py));
      else if (firstHit >= 0) Put(ringed, px, py, FrameBitmap(ringed).At(firstHit, py));
    }
  auto inPhoto = [&](int px, int py) { return px >= 1 && py >= 1 && px <= F.Width && py <= F.Height; };
  for (int i = 0; i < K; ++i)
    for (int j = 0; j < J; ++j) {
      auto [u, v] = back(j, i);
      const int fx0 = static_cast<int>(std::floor(u)), fy0 = static_cast<int>(std::floor(v));
      if (!inPhoto(static_cast<int>(std::ceil(u)), static_cast<int>(std::ceil(v))) && !inPhoto(fx0, fy0)) continue;
      if (redraw && ring(fx0, fy0)) continue;
      const double fx = u - fx0, fy = v - fy0;
      for (int ch = 0; ch < 3; ++ch) {
        const double p00 = ringed.At(fx0, fy0)[ch], p10 = ringed.At(fx0 + 1, fy0)[ch];
        const double p01 = ringed.At(fx0, fy0 + 1)[ch], p11 = ringed.At(fx0 + 1, fy0 + 1)[ch];
        const double upper = p00 + fx * (p10 - p00), lower = p01 + fx * (p11 - p01);
        const double value = std::nearbyint(upper + fy * (lower - upper));
        r.out.At(j, i)[ch] = static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
      }
    }
  return r;
}

// One image change of the pile; returns every presented frame.
struct RefPile {
  FrameBitmap screen, lastPhoto, lastFramed;
  int lastX = 0, lastY = 0, lastAngle = 0;
  bool exists = false, tilted = false;
};

int RefDraw(int room, bool exists, int prev, int minD) {
  int v = Random(room + 64) - 32;
  for (int n = 1; exists && std::abs(v - prev) <= minD && n < 1000; ++n) v = Random(room + 64) - 32;
  return v;
}

std::vector<FrameBitmap> RefStep(RefPile& pile, const FrameBitmap& decoded, int M, int N, ColorRef bg,
                                 const RefOptions& o) {
  FilterContext context;
  context.ActiveTransition = 9;
  context.SlideshowRunning = true;
  context.IncFrame = o.incFrame;
  FrameBitmap previous;
  int prevX = 0, prevY = 0, minDX = 0, minDY = 0;
  if (pile.exists) {
    if (o.pileFilter != 0) {
      ApplyFilter(o.pileFilter, pile.lastPhoto, context);
      pile.lastFramed = RefFrame(pile.lastPhoto, o);
      if (pile.tilted)
        pile.lastFramed = RefTilt(pile.lastFramed, pile.lastAngle, pile.screen, bg, true,
                                  [&](int, int, int& x, int& y) { x = pile.lastX, y = pile.lastY; }).out;
      DrawAt(pile.screen, pile.lastFramed, pile.lastX, pile.lastY);
    }
    prevX = pile.lastX, prevY = pile.lastY;
    minDX = pile.lastFramed.Width / 4, minDY = pile.lastFramed.Height / 4;
  } else {
    pile.screen = FrameBitmap(M, N);
    pile.screen.Fill(bg);
  }
  previous = pile.screen;

  const int w = decoded.Width, h = decoded.Height, B = RefBorder(o);
  int pw, ph;
  if (o.incFrame == 2) {
    const int side = static_cast<int>(o.P * 0.8) - 2 * B;
    if (w < h) pw = side, ph = static_cast<int>(static_cast<long double>(h) * (static_cast<double>(side) / w));
    else ph = side, pw = static_cast<int>(static_cast<long double>(w) * (static_cast<double>(side) / h));
  } else {
    const int L = o.P - 2 * B;
    if (w < h) ph = L, pw = static_cast<int>(static_cast<long double>(w) * (static_cast<double>(L) / h));
    else pw = L, ph = static_cast<int>(static_cast<long double>(h) * (static_cast<double>(L) / w));
  }
  FrameBitmap photo = pw < w ? ResampleArea(decoded, pw, ph) : ResampleBilinear(decoded, pw, ph);
  Sharpen(photo, 6);
  ApplyFilter(o.imageFilter, photo, context);
  if (o.incFrame == 2) {
    const int S = std::min(photo.Width, photo.Height);
    FrameBitmap square(S + 1, S + 1);
    square.Fill(0x808080);
    for (int y = 0; y < S; ++y)
      for (int x = 0; x < S; ++x)
        Put(square, x + 1, y + 1, photo.At((photo.Width - S) / 2 + x, (photo.Height - S) / 2 + y));
    photo = square;
  }
  pile.lastPhoto = photo;
  pile.lastFramed = RefFrame(photo, o);
  int x, y;
  if (o.tilt) {
    int angle = Random(360);
    while (angle > 10 && angle < 350) angle = Random(360);
    pile.lastAngle = angle;
    RefTilted t = RefTilt(pile.lastFramed, angle, pile.screen, bg, false, [&](int J, int K, int& px, int& py) {
      px = RefDraw(M - J, pile.exists, prevX, minDX);
      py = RefDraw(N - (o.incFrame == 2 ? J : K), pile.exists, prevY, minDY);
    });
    pile.lastFramed = t.out, x = t.x, y = t.y;
  } else {
    x = RefDraw(M - pile.lastFramed.Width, pile.exists, prevX, minDX);
    y = RefDraw(N - (o.incFrame == 2 ? pile.lastFramed.Width : pile.lastFramed.Height), pile.exists, prevY, minDY);
  }
  pile.tilted = o.tilt;
  DrawAt(pile.screen, pile.lastFramed, x, y);
  pile.lastX = x, pile.lastY = y;
  pile.exists = true;

  std::vector<FrameBitmap> frames;
  for (int t = 0; t <= 32; ++t) {
    FrameBitmap f(M, N);
    for (std::size_t i = 0; i < f.Pixels.size(); ++i)
      f.Pixels[i] = static_cast<std::uint8_t>(((previous.Pixels[i] * (32 - t)) >> 5) + ((pile.screen.Pixels[i] * t) >> 5));
    frames.push_back(f);
  }
  frames.push_back(pile.screen);
  return frames;
}

// ---- the rig -----------------------------------------------------------------

// A picture with smooth colour ramps and a few sharp bars, as PNG.
QByteArray RampPng(int w, int h, int seed) {
  PngFixture f{w, h, PNG_COLOR_TYPE_RGB, 8, false, {}, {}, {}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      f.samples.push_back(static_cast<std::uint8_t>((x * 255) / w));
      f.samples.push_back(static_cast<std::uint8_t>((y * 255) / h));
      f.samples.push_back(static_cast<std::uint8_t>(((x / 7 + y / 5 + seed) % 3) * 120));
    }
  return MakePng(f);
}

class IncreasePileTest : public ::testing::Test {
 protected:
  IncreasePileTest() : show(surface, dialogs, clock, exif), pile(surface, clock, dialogs) {
    exif.OnError = [](int) { return false; };
    show.Settings = ImageShowSettings{M, N, kBackground, 0, 9, 1, true};
    show.Position = [this] { return ImageShowPosition{&list, 0, index, false}; };
    show.ShowWithIncrease = [this](ImageShow& s) { pile.ShowWithIncrease(s, settings); };
  }
  void Add(int w, int h, int seed) {
    const QString path = dir.filePath(QStringLiteral("p%1.png").arg(list.size()));
    ASSERT_TRUE(WriteFile(path, RampPng(w, h, seed)));
    list << path;
  }
  // Shows image i; returns the frames it presented.
  std::vector<FrameBitmap> Step(int i) {
    index = i;
    surface.frames.clear();
    show.ShowCurrentImage();
    return surface.frames;
  }
  void UseOptions(const RefOptions& o) {
    settings = IncreaseSettings{o.P, o.incFrame, o.tilt, o.pileFilter};
    show.Settings.IncFrame = o.incFrame;
    show.Settings.ActiveFilter = o.imageFilter;
  }

  static constexpr int M = 320, N = 240;
  static constexpr ColorRef kBackground = 0x402010;
  QTemporaryDir dir;
  FrameSurface surface;
  SilentDialogs dialogs;
  SleepLog clock;
  TExifInfo exif;
  ImageShow show;
  IncreasePile pile;
  IncreaseSettings settings;
  QStringList list;
  int index = 0;
};

void ExpectSameFrames(const std::vector<FrameBitmap>& got, const std::vector<FrameBitmap>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    ASSERT_EQ(got[i].Width, want[i].Width) << "frame " << i;
    ASSERT_EQ(got[i].Height, want[i].Height) << "frame " << i;
    std::size_t differ = 0, first = 0;
    for (std::size_t b = 0; b < got[i].Pixels.size(); ++b)
      if (got[i].Pixels[b] != want[i].Pixels[b] && differ++ == 0) first = b;
    ASSERT_EQ(differ, 0u) << "frame " << i << ", first at pixel " << first / 3 % got[i].Width << ","
                          << first / 3 / got[i].Width;
  }
}

}  // namespace

// Three photos of every print kind, tilted and straight, with a pile filter
// from the second on: every presented frame equals the plain rules.
TEST_F(IncreasePileTest, EveryFrameFollowsThePlainRules) {
  Add(400, 300, 0);
  Add(150, 260, 1);   // portrait, enlarged on an instant print
  Add(190, 142, 2);   // about the photo's own size
  struct Case {
    const char* what;
    RefOptions options;
  };
  const Case cases[] = {
      {"standard border, tilted, grey-scale pile", {1, 200, true, 0, 1}},
      {"standard border, straight, sepia image filter", {1, 200, false, 2, 3}},
      {"instant print, tilted", {2, 200, true, 0, 2}},
      {"instant print, straight", {2, 240, false, 0, 1}},
      {"no border, tilted, no pile filter", {0, 200, true, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UseOptions(c.options);
    show.HasPreviousScreen = false;
    RefPile ref;
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      SeedRandom(100 + i);
      const std::vector<FrameBitmap> got = Step(i);
      SeedRandom(100 + i);
      FrameBitmap decoded = show.CurrentPicture();
      // The first photo of a pile gets no pile filter: nothing lies beneath.
      const std::vector<FrameBitmap> want = RefStep(ref, decoded, M, N, kBackground, c.options);
      ExpectSameFrames(got, want);
      EXPECT_EQ(pile.LastX(), ref.lastX);
      EXPECT_EQ(pile.LastY(), ref.lastY);
      // The cross-fade's own frames are 1 ms apart.
      EXPECT_EQ(clock.sleeps.size(), 33u * (i + 1) + (&c - cases) * 99u);
      EXPECT_TRUE(show.PreviousScreen.Pixels.empty());
      EXPECT_TRUE(show.NextScreen.Pixels.empty());
      EXPECT_TRUE(show.HasPreviousScreen);
    }
  }
  for (int ms : clock.sleeps) EXPECT_EQ(ms, 1);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

// Straight photos without a pile filter are never drawn again: the old pile
// shows through unchanged wherever the new photo does not cover it; and a
// pile that has been forgotten (stop, pause, a shuffle draw) starts again on
// the plain background.
TEST_F(IncreasePileTest, UnfilteredPileKeepsItsLookAndANewPileStartsBlank) {
  Add(400, 300, 0);
  Add(300, 400, 1);
  UseOptions({1, 200, false, 0, 0});
  SeedRandom(7);
  const FrameBitmap first = Step(0).back();
  const int x0 = pile.LastX();
  const int w0 = pile.LastFramed().Width;
  const std::vector<FrameBitmap> second = Step(1);
  EXPECT_EQ(second.front(), first);  // the fade starts from the pile as it was
  const FrameBitmap& now = second.back();
  const int x1 = pile.LastX(), y1 = pile.LastY();
  const FrameBitmap& photo = pile.LastFramed();
  EXPECT_GT(std::abs(x1 - x0), w0 / 4);
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < M; ++x) {
      const bool covered = x >= x1 && y >= y1 && x < x1 + photo.Width && y < y1 + photo.Height;
      if (!covered) {
        ASSERT_EQ(std::memcmp(now.At(x, y), first.At(x, y), 3), 0) << x << "," << y;
      }
    }

  show.HasPreviousScreen = false;
  const std::vector<FrameBitmap> restart = Step(0);
  FrameBitmap blank(M, N);
  blank.Fill(kBackground);
  EXPECT_EQ(restart.front(), blank);

  pile.Release();
  EXPECT_TRUE(pile.LastPhoto().Pixels.empty());
  EXPECT_TRUE(pile.LastFramed().Pixels.empty());
}

// Each new photo keeps clear of the one before (unless a thousand draws
// fail), tilts stay within ten degrees either way, and every print keeps
// within 32 pixels of the screen's left and top edges.
TEST_F(IncreasePileTest, PlacementsKeepClearOfThePreviousPhoto) {
  show.Settings.MonitorWidth = 960;
  show.Settings.MonitorHeight = 540;
  surface.keepAll = false;
  Add(120, 90, 0);
  UseOptions({1, 200, true, 0, 0});
  SeedRandom(11);
  Step(0);
  for (int i = 0; i < 25; ++i) {
    const int px = pile.LastX(), py = pile.LastY();
    const int minDX = pile.LastFramed().Width / 4, minDY = pile.LastFramed().Height / 4;
    Step(0);
    EXPECT_GT(std::abs(pile.LastX() - px), minDX);
    EXPECT_GT(std::abs(pile.LastY() - py), minDY);
    EXPECT_GE(pile.LastX(), -32);
    EXPECT_GE(pile.LastY(), -32);
    EXPECT_TRUE(pile.LastAngle() <= 10 || pile.LastAngle() >= 350);
    EXPECT_TRUE(pile.LastWasTilted());
  }
}

// A screen barely wider than a print: the draws give up after a thousand
// tries and keep the last one instead of looping for ever.
TEST_F(IncreasePileTest, NarrowScreenGivesUpTheDistanceAfterAThousandDraws) {
  show.Settings.MonitorWidth = 200;
  show.Settings.MonitorHeight = 200;
  Add(400, 300, 0);
  UseOptions({1, 200, false, 0, 0});
  SeedRandom(3);
  Step(0);
  Step(0);  // x can only be in -32..32 while minDX is 50: it ends anyway
  EXPECT_LE(std::abs(pile.LastX()), 32);
}
