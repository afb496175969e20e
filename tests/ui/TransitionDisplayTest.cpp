// Transitions through the real show path and the real display window: every
// frame of the loop reaches the display's paint area, one paint per frame,
// after its sleep and in the loop's order, and the last one is the new screen.
#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "display/ExifInfo.h"
#include "engine/ImageShow.h"
#include "library/FakeUserDialogs.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "transitions/RunTransition.h"
#include "transitions/TransitionKind.h"
#include "ui/TfrmDisplay.h"

namespace {

FrameBitmap ToFrame(const QImage& image) {
  FrameBitmap f(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      std::uint8_t* p = f.At(x, y);
      p[0] = static_cast<std::uint8_t>(qBlue(c));
      p[1] = static_cast<std::uint8_t>(qGreen(c));
      p[2] = static_cast<std::uint8_t>(qRed(c));
    }
  return f;
}

// What the run did, in order: a sleep (with the frame ScreenBitmap holds at
// that moment) or a paint of the display's paint area (with the image it paints).
struct Event {
  bool Paint;
  FrameBitmap Image;
};

class PaintProbe final : public QObject {
 public:
  PaintProbe(TfrmDisplay& display, std::vector<Event>& events) : display_(display), events_(events) {
    display.PaintArea()->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) events_.push_back({true, ToFrame(display_.PresentedFrame())});
    return false;
  }

 private:
  TfrmDisplay& display_;
  std::vector<Event>& events_;
};

// Does not wait. At the first sleep of a change it keeps the two screens the
// transition runs between.
class ProbeClock final : public Clock {
 public:
  explicit ProbeClock(std::vector<Event>& events) : events_(events) {}
  void Sleep(int) override {
    if (events_.empty()) {
      Previous = Show->PreviousScreen;
      Next = Show->NextScreen;
    }
    events_.push_back({false, Show->ScreenBitmap});
  }
  std::int64_t MonotonicMs() override { return 0; }
  QDateTime Now() override { return {}; }
  ImageShow* Show = nullptr;
  FrameBitmap Previous, Next;

 private:
  std::vector<Event>& events_;
};

class CollectingSurface final : public DisplaySurface {
 public:
  void PresentFrame(const FrameBitmap& frame) override { Frames.push_back(frame); }
  std::vector<FrameBitmap> Frames;
};

class NoWait final : public Clock {
 public:
  void Sleep(int) override {}
  std::int64_t MonotonicMs() override { return 0; }
  QDateTime Now() override { return {}; }
};

// The frames the transition presents with the same screens and random draws.
std::vector<FrameBitmap> FramesOfTheLoop(int kind, FrameBitmap previous, const FrameBitmap& next,
                                         ColorRef background, std::uint64_t seed) {
  SeedRandom(seed);
  FrameBitmap screen = next;
  CollectingSurface surface;
  NoWait clock;
  RunTransition(kind, previous, next, TransitionContext{screen, surface, clock, background});
  return surface.Frames;
}

// A picture whose colours change across and down, tinted per file.
QString WritePicture(const QTemporaryDir& dir, const QString& name, int w, int h, int tint) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, tint));
  const QString path = dir.filePath(name);
  EXPECT_TRUE(img.save(path));
  return path;
}

TEST(TransitionDisplayTest, EveryFrameIsPaintedInOrderAndTheLastIsTheNewScreen) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QStringList list = {WritePicture(dir, "a.png", 64, 36, 40), WritePicture(dir, "b.png", 48, 36, 140),
                            WritePicture(dir, "c.png", 64, 30, 240)};
  const ColorRef background = MakeColorRef(0, 0, 64);

  TfrmDisplay display;
  display.ShowFullScreen();
  QApplication::processEvents();
  std::vector<Event> events;
  PaintProbe probe(display, events);
  FakeUserDialogs dialogs;
  ProbeClock clock(events);
  TExifInfo exif;
  exif.OnError = [](int) { return false; };
  ImageShow show(display, dialogs, clock, exif);
  clock.Show = &show;
  int index = 0;
  show.Position = [&] { return ImageShowPosition{&list, 0, index, false}; };

  // The first image comes in from the plain background; the next ones from
  // what the display shows.
  struct Step {
    TransitionKind kind;
    int frames;
  };
  const Step steps[] = {{TransitionKind::CrossFade, 33}, {TransitionKind::Push, 33}, {TransitionKind::Squeeze, 17},
                        {TransitionKind::Flip, 136},     {TransitionKind::Page, 34},  {TransitionKind::Separate, 132},
                        {TransitionKind::Peel, 66}};
  FrameBitmap shownBefore(64, 36);
  shownBefore.Fill(background);
  for (int i = 0; i < static_cast<int>(std::size(steps)); ++i) {
    const Step& step = steps[i];
    SCOPED_TRACE(kTransitionNames[static_cast<std::size_t>(step.kind)]);
    const std::uint64_t seed = 11 + static_cast<std::uint64_t>(i);
    index = i % 3;
    show.Settings = ImageShowSettings{64, 36, background, 0, static_cast<int>(step.kind), 1, true};
    events.clear();
    SeedRandom(seed);
    show.ShowCurrentImage();
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();

    EXPECT_EQ(clock.Previous, shownBefore);
    const std::vector<FrameBitmap> loop = FramesOfTheLoop(static_cast<int>(step.kind), clock.Previous,
                                                          clock.Next, background, seed);
    ASSERT_EQ(loop.size(), static_cast<std::size_t>(step.frames));
    // Each frame: its sleep, then exactly one paint of it. The show path
    // repaints once more at the end.
    ASSERT_EQ(events.size(), 2 * loop.size() + 1);
    for (std::size_t k = 0; k < loop.size(); ++k) {
      SCOPED_TRACE("frame " + std::to_string(k));
      EXPECT_FALSE(events[2 * k].Paint);
      EXPECT_EQ(events[2 * k].Image, loop[k]);
      EXPECT_TRUE(events[2 * k + 1].Paint);
      EXPECT_EQ(events[2 * k + 1].Image, loop[k]);
    }
    EXPECT_TRUE(events.back().Paint);
    EXPECT_EQ(events.back().Image, clock.Next);
    EXPECT_EQ(events[events.size() - 2].Image, clock.Next);  // the loop's own last frame
    EXPECT_NE(loop[loop.size() / 2], clock.Previous);
    EXPECT_NE(loop[loop.size() / 2], clock.Next);
    EXPECT_EQ(ToFrame(display.PresentedFrame()), clock.Next);
    shownBefore = clock.Next;
  }
  display.CloseDisplay();
}

}  // namespace
