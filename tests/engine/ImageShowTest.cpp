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
#include "platform/UserDialogs.h"

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
