#include <gtest/gtest.h>
#include <jpeglib.h>

#include <QDateTime>
#include <QTemporaryDir>

#include "ImageFixtures.h"
#include "display/DisplaySurface.h"
#include "display/ExifInfo.h"
#include "engine/DecodeImageFile.h"
#include "engine/ImageShow.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/UserDialogs.h"
#include "support/ManualPost.h"

namespace {

// Everything the show does to the outside, in order.
struct EventLog {
  std::vector<std::string> events;
};

class FakeSurface : public DisplaySurface {
 public:
  explicit FakeSurface(EventLog& log) : log_(log) {}
  void PresentFrame(const FrameBitmap& frame) override {
    frames.push_back(frame);
    log_.events.push_back("present");
  }
  std::vector<FrameBitmap> frames;

 private:
  EventLog& log_;
};

class FakeDialogs : public UserDialogs {
 public:
  explicit FakeDialogs(EventLog& log) : log_(log) {}
  void ShowInformation(const QString& text) override { log_.events.push_back("info " + text.toStdString()); }
  void ShowError(const QString& text) override {
    errors.push_back(text);
    log_.events.push_back("error");
  }
  bool AskYesNo(const QString&) override { return true; }
  void ProcessPendingMessages() override {}
  QStringList errors;

 private:
  EventLog& log_;
};

class FakeClock : public Clock {
 public:
  void Sleep(int) override {}
  std::int64_t MonotonicMs() override { return 0; }
  QDateTime Now() override { return {}; }
};

std::vector<std::uint8_t> Flat(int pixels, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  std::vector<std::uint8_t> v;
  for (int i = 0; i < pixels; ++i) v.insert(v.end(), {r, g, b});
  return v;
}

class ImageShowTest : public ::testing::Test {
 protected:
  ImageShowTest() : surface(log), dialogs(log), show(surface, dialogs, clock, exif) {
    exif.OnError = [](int) { return false; };
    show.Settings = ImageShowSettings{64, 48, MakeColorRef(0, 0, 255), 0, 0, 1, true};
    show.Position = [this] { return ImageShowPosition{&list, folder, index, folderChange}; };
    show.LayOutLabels = [this] { log.events.push_back("labels"); };
  }
  QString AddJpeg(const QString& name, std::uint8_t red) {
    const QString path = dir.filePath(name);
    WriteFile(path, MakeJpeg(32, 24, JCS_RGB, Flat(32 * 24, red, 0, 0)));
    list << path;
    return path;
  }
  int RedAtCentre() const { return surface.frames.back().At(32, 24)[2]; }

  QTemporaryDir dir;
  EventLog log;
  FakeSurface surface;
  FakeDialogs dialogs;
  FakeClock clock;
  TExifInfo exif;
  ImageShow show;
  QStringList list;
  int folder = 0, index = 0;
  bool folderChange = false;
};

}  // namespace

TEST_F(ImageShowTest, ShowsTheFittedPictureAndPrefetchesTheNext) {
  const QString first = AddJpeg("a.jpg", 200);
  AddJpeg("b.jpg", 100);
  show.ShowCurrentImage();
  ASSERT_EQ(surface.frames.size(), 1u);
  // The whole slide equals the shared preparation and composition.
  FilterContext context;
  const ScreenLayout layout{64, 48, MakeColorRef(0, 0, 255), 0};
  FrameBitmap fitted = PrepareSlide(DecodeImageFile(first), 0, layout, context);
  FrameBitmap want;
  ComposeScreen(want, fitted, layout, context);
  EXPECT_EQ(surface.frames[0], want);
  EXPECT_EQ(show.CurrentImageFile(), first);
  EXPECT_EQ(show.Prefetch(), (PrefetchKey{0, 1}));
  EXPECT_FALSE(show.PrefetchPicture().Empty());
  EXPECT_EQ(log.events, (std::vector<std::string>{"present", "labels"}));

  // The next show takes the prefetched picture, even though the file changed since.
  WriteFile(list[1], MakeJpeg(32, 24, JCS_RGB, Flat(32 * 24, 0, 0, 0)));
  index = 1;
  show.ShowCurrentImage();
  EXPECT_NEAR(RedAtCentre(), 100, 3);
  // The last image prefetches nothing.
  EXPECT_EQ(show.Prefetch(), (PrefetchKey{0, 1}));
  EXPECT_TRUE(show.PrefetchPicture().Empty());
}

TEST_F(ImageShowTest, PrefetchOfAnotherFolderIsNotUsed) {
  AddJpeg("a.jpg", 200);
  AddJpeg("b.jpg", 100);
  show.ShowCurrentImage();
  WriteFile(list[1], MakeJpeg(32, 24, JCS_RGB, Flat(32 * 24, 50, 0, 0)));
  folder = 1;  // same index, another folder: decoded afresh
  index = 1;
  show.ShowCurrentImage();
  EXPECT_NEAR(RedAtCentre(), 50, 3);
}

TEST_F(ImageShowTest, NothingToShow) {
  show.ShowCurrentImage();  // empty list
  AddJpeg("a.jpg", 200);
  folderChange = true;
  show.ShowCurrentImage();
  folderChange = false;
  list[0] = dir.filePath("gone.jpg");
  show.ShowCurrentImage();
  list[0] = QString();
  show.ShowCurrentImage();
  EXPECT_TRUE(log.events.empty());
}

TEST_F(ImageShowTest, DecodingFailuresShowOneErrorAndKeepTheScreen) {
  AddJpeg("a.jpg", 200);
  const QString bad = dir.filePath("bad.jpg");
  WriteFile(bad, QByteArray("broken"));
  list << bad;
  AddJpeg("c.jpg", 100);
  show.ShowCurrentImage();
  // The prefetch of the broken file is reported after the picture is on screen.
  EXPECT_EQ(log.events, (std::vector<std::string>{"present", "labels", "error"}));
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(dialogs.errors[0].contains(bad));
  const FrameBitmap before = show.ScreenBitmap;

  index = 1;  // its turn: no second box, the screen keeps the previous picture
  show.ShowCurrentImage();
  EXPECT_EQ(dialogs.errors.size(), 1);
  EXPECT_EQ(surface.frames.size(), 1u);
  EXPECT_EQ(show.ScreenBitmap, before);

  show.ResetPrefetch();  // shown again without a prefetch: decoded and reported once more
  show.ShowCurrentImage();
  EXPECT_EQ(dialogs.errors.size(), 2);
  index = 2;
  show.ShowCurrentImage();
  EXPECT_EQ(surface.frames.size(), 2u);
}

TEST_F(ImageShowTest, TransitionPathsKeepThePreviousScreen) {
  AddJpeg("a.jpg", 200);
  AddJpeg("b.jpg", 100);
  show.Settings.ActiveTransition = 1;
  show.ShowCurrentImage();
  // The first image comes in from the plain background.
  EXPECT_TRUE(show.HasPreviousScreen);
  ASSERT_EQ(show.PreviousScreen.Width, 64);
  EXPECT_EQ(show.PreviousScreen.At(0, 0)[0], 255);  // the blue background
  EXPECT_EQ(show.NextScreen, show.ScreenBitmap);
  index = 1;
  show.ShowCurrentImage();
  EXPECT_TRUE(show.PreviousScreen.Empty());  // released after the change
  EXPECT_TRUE(show.NextScreen.Empty());
  EXPECT_NEAR(RedAtCentre(), 100, 3);

  // Increase without its pile yet shows at once; with one it is handed over.
  // The fade above presents its frames; from here on only whole frames count.
  int handedOver = 0;
  show.Settings.ActiveTransition = 9;
  const std::size_t before = surface.frames.size();
  show.ShowCurrentImage();
  EXPECT_EQ(surface.frames.size(), before + 1);
  show.ShowWithIncrease = [&](ImageShow&) { ++handedOver; };
  show.ShowCurrentImage();
  EXPECT_EQ(handedOver, 1);
  EXPECT_EQ(surface.frames.size(), before + 1);
}

namespace {

// The show with its next picture decoded ahead on a worker thread.
class ImageShowAheadTest : public ImageShowTest {
 protected:
  ImageShowAheadTest() { show.Decoder = &decoder; }
  // Waits until the decode ahead has been handed back (or dropped).
  void FinishAhead() {
    bool back = false;
    const QString marker = dir.filePath("marker.jpg");
    WriteFile(marker, MakeJpeg(4, 4, JCS_RGB, Flat(16, 0, 0, 0)));
    DecodeRequest last = decoder.Start(marker, {}, [&](DecodeResult) { back = true; });
    while (!back) post.WaitAndRun();
  }
  ManualPost post;
  BackgroundDecoder decoder{post};
};

}  // namespace

TEST_F(ImageShowAheadTest, ScreensAreTheSameAsDecodingInPlace) {
  for (int i = 0; i < 4; ++i) AddJpeg(QStringLiteral("%1.jpg").arg(i), static_cast<std::uint8_t>(40 + 50 * i));
  show.Settings.ActiveTransition = 1;
  // The same walk through the folder, decoded in place and ahead: with the
  // hand-back in time, late (the show waits for it) and cut off by a jump.
  auto walk = [&](ImageShow& s, auto between) {
    std::vector<FrameBitmap> screens;
    for (int i : {0, 1, 2, 0, 1, 3}) {
      index = i;
      s.ShowCurrentImage();
      screens.push_back(s.ScreenBitmap);
      between(i);
    }
    return screens;
  };
  FakeSurface inPlaceSurface(log);
  ImageShow inPlace(inPlaceSurface, dialogs, clock, exif);
  inPlace.Settings = show.Settings;
  inPlace.Position = show.Position;
  const auto want = walk(inPlace, [](int) {});
  const auto got = walk(show, [&](int i) {
    if (i == 1) FinishAhead();  // otherwise the next show waits for its picture
  });
  EXPECT_EQ(got, want);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ImageShowAheadTest, APrefetchErrorIsShownOnceAfterThePictureIsOnScreen) {
  AddJpeg("a.jpg", 200);
  const QString bad = dir.filePath("bad.jpg");
  WriteFile(bad, QByteArray("broken"));
  list << bad;
  AddJpeg("c.jpg", 100);

  // Handed back while the picture before it stands: one box, then its turn
  // shows nothing and keeps the screen.
  show.ShowCurrentImage();
  EXPECT_EQ(log.events, (std::vector<std::string>{"present", "labels"}));
  FinishAhead();
  EXPECT_EQ(log.events, (std::vector<std::string>{"present", "labels", "error"}));
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(dialogs.errors[0].contains(bad));
  index = 1;
  show.ShowCurrentImage();
  EXPECT_EQ(dialogs.errors.size(), 1);
  EXPECT_EQ(surface.frames.size(), 1u);

  // The user is faster than the decoder: the box comes at the broken
  // file's turn, once, and the late hand-back stays quiet.
  show.ResetPrefetch();
  index = 0;
  show.ShowCurrentImage();
  index = 1;
  show.ShowCurrentImage();
  EXPECT_EQ(dialogs.errors.size(), 2);
  FinishAhead();
  EXPECT_EQ(dialogs.errors.size(), 2);
  EXPECT_EQ(surface.frames.size(), 2u);
  index = 2;
  show.ShowCurrentImage();
  EXPECT_EQ(surface.frames.size(), 3u);
}

TEST_F(ImageShowAheadTest, StopOrAFolderChangeDropsTheDecodeInFlight) {
  AddJpeg("a.jpg", 200);
  const QString big = dir.filePath("big.jpg");
  WriteFile(big, MakeJpeg(1600, 1200, JCS_RGB, Flat(1600 * 1200, 90, 0, 0)));
  list << big;
  const QString bad = dir.filePath("bad.jpg");
  WriteFile(bad, QByteArray("broken"));

  show.ShowCurrentImage();  // decodes the big file ahead
  show.ResetPrefetch();     // stop: at once, without waiting for it
  EXPECT_EQ(show.Prefetch(), PrefetchKey{});
  FinishAhead();
  EXPECT_TRUE(show.PrefetchPicture().Empty());

  // A folder change: the next show is at another position, so the broken
  // file decoded ahead for the old one is dropped without its box.
  list[1] = bad;
  show.ShowCurrentImage();
  folder = 1;
  list[1] = big;
  index = 1;
  show.ShowCurrentImage();
  FinishAhead();
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_NEAR(RedAtCentre(), 90, 3);
}

TEST_F(ImageShowTest, RunningOutOfMemoryIsReportedLikeAnUnreadableFileAndTheShowGoesOn) {
  struct LimitGuard {
    ~LimitGuard() { FrameBitmapByteLimit = std::numeric_limits<std::size_t>::max(); }
  } restore;
  const QString first = AddJpeg("a.jpg", 200);
  const QString second = AddJpeg("b.jpg", 100);
  show.Settings.ActiveTransition = 1;
  show.ShowCurrentImage();
  ASSERT_EQ(show.ScreenBitmap.Width, 64);
  const FrameBitmap before = show.ScreenBitmap;
  const std::size_t framesBefore = surface.frames.size();

  // A monitor whose screen bitmaps exceed what may be allocated: the 32 x 24
  // pictures still decode, the fit and the transition buffers do not.
  struct Case {
    const char* name;
    int transition;
  };
  FrameBitmapByteLimit = 32 * 24 * 3;
  show.Settings.MonitorWidth = 640;
  show.Settings.MonitorHeight = 480;
  for (const Case& c : {Case{"without a transition", 0}, Case{"with a fade", 1}}) {
    SCOPED_TRACE(c.name);
    show.Settings.ActiveTransition = c.transition;
    dialogs.errors.clear();
    index = 1;
    show.ShowCurrentImage();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(second));
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("メモリが足りません。")));
    EXPECT_EQ(surface.frames.size(), framesBefore);  // nothing half-made was presented
    EXPECT_EQ(show.ScreenBitmap, before);
    EXPECT_TRUE(show.NextScreen.Empty());
  }
  // A decode that cannot allocate is the same box, from the decoder's side.
  FrameBitmapByteLimit = 16;
  dialogs.errors.clear();
  show.ResetPrefetch();
  index = 0;
  show.ShowCurrentImage();
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(dialogs.errors[0].contains(first));
  EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("メモリが足りません。")));

  // With memory back, the show goes on at the old size.
  FrameBitmapByteLimit = std::numeric_limits<std::size_t>::max();
  show.Settings.MonitorWidth = 64;
  show.Settings.MonitorHeight = 48;
  index = 1;
  show.ShowCurrentImage();
  EXPECT_NEAR(RedAtCentre(), 100, 3);
}

TEST_F(ImageShowAheadTest, RunningOutOfMemoryAheadIsReportedLikeAnUnreadableFile) {
  struct LimitGuard {
    ~LimitGuard() { FrameBitmapByteLimit = std::numeric_limits<std::size_t>::max(); }
  } restore;
  AddJpeg("a.jpg", 200);
  const QString big = dir.filePath("big.jpg");
  WriteFile(big, MakeJpeg(200, 200, JCS_RGB, Flat(200 * 200, 90, 0, 0)));
  list << big;
  FrameBitmapByteLimit = 64 * 48 * 3 * 2;  // the screens fit, the big picture does not
  show.ShowCurrentImage();
  FinishAhead();
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_EQ(dialogs.errors[0], ImageError(big, OutOfMemoryReason()).Message());
  index = 1;
  show.ShowCurrentImage();  // its turn: no second box, the screen stays
  EXPECT_EQ(dialogs.errors.size(), 1);
  EXPECT_EQ(surface.frames.size(), 1u);
}

namespace {

// A JPEG of the given size with a gradient (so that a picture fitted
// differently shows) and, when orientation is not 1, an Exif orientation.
QByteArray GradientJpeg(int w, int h, int orientation = 1) {
  std::vector<std::uint8_t> rgb;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      rgb.insert(rgb.end(), {static_cast<std::uint8_t>(x * 255 / w), static_cast<std::uint8_t>(y * 255 / h), 90});
  QByteArray jpeg = MakeJpeg(w, h, JCS_RGB, rgb);
  if (orientation == 1) return jpeg;
  // Little-endian TIFF with one directory holding only the orientation.
  const char tiff[] = {'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0,
                       static_cast<char>(orientation), 0, 0, 0, 0, 0, 0, 0};
  QByteArray app1("Exif\0\0", 6);
  app1.append(tiff, sizeof tiff);
  QByteArray segment("\xFF\xE1", 2);
  segment.append(static_cast<char>((app1.size() + 2) >> 8)).append(static_cast<char>((app1.size() + 2) & 0xFF));
  segment.append(app1);
  return jpeg.insert(2, segment);
}

}  // namespace

// The worker fits the next picture, and filters it too when the slide's
// filter is planned and repeatable; the screens stay those of working at show
// time for every filter (framing ones with their random margin too), turned
// pictures, a plan that proves wrong, and a monitor that changed after the
// picture was prepared ahead.
TEST_F(ImageShowAheadTest, PreparingAheadGivesTheScreensOfWorkingAtShowTime) {
  const int orientations[] = {1, 6, 1, 3};
  for (int i = 0; i < 4; ++i) {
    const QString path = dir.filePath(QStringLiteral("%1.jpg").arg(i));
    ASSERT_TRUE(WriteFile(path, GradientJpeg(40 + 8 * i, 30, orientations[i])));
    list << path;
  }
  // Some filters reseed from the clock: a fixed reading repeats them.
  struct ClockGuard {
    ClockGuard() { FixReseedClock(3); }
    ~ClockGuard() { FixReseedClock(std::nullopt); }
  } fixedClock;
  enum class Plan { Unknown, Right, WrongFilter, WrongTransition };
  const int filters[] = {0, 1, 4, 5, 8, 10, 13, 18};
  for (const bool monitorChanges : {false, true}) {
    for (const Plan planned : {Plan::Unknown, Plan::Right, Plan::WrongFilter, Plan::WrongTransition}) {
      for (const int filter : filters) {
        SCOPED_TRACE(testing::Message() << "filter " << filter << ", plan " << static_cast<int>(planned)
                                        << (monitorChanges ? ", monitor changes" : ""));
        auto walk = [&](ImageShow& s, auto finish) {
          SeedRandom(11);
          s.ResetPrefetch();
          s.Settings.MonitorWidth = 64;
          s.Settings.MonitorHeight = 48;
          s.Settings.ActiveFilter = filter;
          std::vector<FrameBitmap> screens;
          for (int i : {0, 1, 2, 3}) {
            index = i;
            s.ShowCurrentImage();
            screens.push_back(s.ScreenBitmap);
            finish();
            if (monitorChanges && i == 1) s.Settings.MonitorWidth = 80;
          }
          return screens;
        };
        FakeSurface inPlaceSurface(log);
        ImageShow inPlace(inPlaceSurface, dialogs, clock, exif);
        inPlace.Settings = show.Settings;
        inPlace.Position = show.Position;
        show.PlanNext = [&] {
          PlannedSlide plan{PrefetchKey{folder, index + 1}, index + 1 < list.size() ? list[index + 1] : QString()};
          if (planned == Plan::Right || planned == Plan::WrongTransition) plan.Filter = filter;
          if (planned == Plan::WrongFilter) plan.Filter = filter == 1 ? 2 : 1;
          if (planned != Plan::Unknown) plan.Transition = planned == Plan::WrongTransition ? 1 : 0;
          return plan;
        };
        const auto want = walk(inPlace, [] {});
        const auto got = walk(show, [&] { FinishAhead(); });
        EXPECT_EQ(got, want);
      }
    }
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

// After the last slide of a pass the first slide of the next one is decoded
// ahead on a guess; a guess that fails says nothing then, and the file is
// reported at its turn, as without the guess.
TEST_F(ImageShowAheadTest, TheGuessedFirstSlideOfTheNextPassIsDecodedAheadQuietly) {
  AddJpeg("a.jpg", 200);
  AddJpeg("b.jpg", 100);
  PlannedSlide plan;
  show.PlanNext = [&] { return plan; };

  plan = PlannedSlide{PrefetchKey{0, 0}, list[1], true};
  show.ShowCurrentImage();
  FinishAhead();
  EXPECT_FALSE(show.PrefetchPicture().Empty());
  // Its turn finds the guessed file at the guessed place: taken from the
  // worker, even though the file has changed since.
  WriteFile(list[1], MakeJpeg(32, 24, JCS_RGB, Flat(32 * 24, 0, 0, 0)));
  list.swapItemsAt(0, 1);
  show.ShowCurrentImage();
  EXPECT_NEAR(RedAtCentre(), 100, 3);

  // A wrong guess (another file came first) is not used.
  plan = PlannedSlide{PrefetchKey{0, 0}, list[0], true};
  show.ShowCurrentImage();
  FinishAhead();
  list.swapItemsAt(0, 1);
  show.ShowCurrentImage();
  EXPECT_NEAR(RedAtCentre(), 200, 3);

  // A broken guess stays quiet until its turn.
  const QString bad = dir.filePath("bad.jpg");
  WriteFile(bad, QByteArray("broken"));
  plan = PlannedSlide{PrefetchKey{0, 0}, bad, true};
  show.ShowCurrentImage();
  FinishAhead();
  EXPECT_TRUE(dialogs.errors.isEmpty());
  const std::size_t frames = surface.frames.size();
  list[0] = bad;
  show.ShowCurrentImage();
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(dialogs.errors[0].contains(bad));
  EXPECT_EQ(surface.frames.size(), frames);
}
