// The real display window and the real engine on a temporary slideshow of
// three generated pictures: start, a tick, pause, a step, stop.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#include "engine/SlideshowEngine.h"
#include "filters/FilterKind.h"
#include "library/SlideshowLibrary.h"
#include "music/FakeMusicPlayer.h"
#include "platform/Random.h"
#include "support/ManualTimer.h"
#include "transitions/TransitionKind.h"
#include "ui/TfrmDisplay.h"

namespace {

class QuietDialogs final : public UserDialogs {
 public:
  void ShowInformation(const QString& t) override { messages << t; }
  void ShowError(const QString& t) override { messages << t; }
  bool AskYesNo(const QString&) override { return true; }
  void ProcessPendingMessages() override { QApplication::processEvents(); }
  QStringList messages;
};

class NoShell final : public SlideShell {
 public:
  void GiveArrowKeysToVolume(bool v) override { arrowsToVolume = v; }
  void SetPointerHidden(bool h) override { pointerHidden = h; }
  void TogglePointer() override { pointerHidden = !pointerHidden; }
  bool NoSaver() const override { return false; }
  bool arrowsToVolume = false, pointerHidden = false;
};

class NoLoading final : public LoadingLabel {
 public:
  QString Text() const override { return text; }
  void SetText(const QString& t) override { text = t; }
  void Enlarge(int, int) override {}
  void CentreOnMonitor() override {}
  void Show() override {}
  void Hide() override {}
  QString text;
};

QRgb CentrePixel(const QImage& image) { return image.pixel(image.width() / 2, image.height() / 2); }

// The test program's main makes the QApplication the windows need.
// A temporary program folder with one slideshow over "pics" (300 x 100
// pictures of the given colours), and the real display and engine on it.
struct PlaybackRig {
  explicit PlaybackRig(const QList<QPair<QString, QColor>>& pictures) {
    const QString folder = program.filePath("pics");
    QDir().mkpath(folder);
    for (const auto& [file, colour] : pictures) {
      QImage img(300, 100, QImage::Format_RGB32);
      img.fill(colour);
      saved = saved && img.save(folder + "/" + file, nullptr, 100);
    }
    library.LoadSlideshow(QString());
    library.Folders() = {ListEntry{true, "pics", program.path()}};
    SlideshowOptions& o = library.Options();
    o.ImgEffect = 0;
    o.SlideEffect = 0;
    o.UseBGM = false;
    w.Surface = &display;
    w.Display = &display;
    w.Boxes = &display;
    w.Measure = &display;
    w.Loading = &loading;
    w.Shell = &shell;
    w.Dialogs = &dialogs;
    w.Timers = &timers;
    w.Pacing = &clock;
    w.MonitorSize = [this] { return display.MonitorSize(); };
  }
  // The engine, made once the options and window hooks are set.
  SlideshowEngine& Engine() {
    if (!engine) engine = std::make_unique<SlideshowEngine>(library, player, w);
    return *engine;
  }
  ManualTimer& SlideTimer() { return *timers.timers.back(); }
  QString Messages() const { return dialogs.messages.join("\n"); }

  QTemporaryDir program;
  bool saved = program.isValid();
  QuietDialogs dialogs;
  SlideshowLibrary library{program.path() + "/", dialogs};
  TfrmDisplay display;
  FakeMusicPlayer player;
  NoShell shell;
  NoLoading loading;
  ManualTimerFactory timers;
  StillClock clock;
  SlideshowWindows w;
  std::unique_ptr<SlideshowEngine> engine;
};

TEST(SlideshowPlaybackTest, StartTickPauseStepStop) {
  // Wide pictures: fitted to the monitor width, with background above and below.
  PlaybackRig rig({{"a.png", Qt::red}, {"b.jpg", Qt::green}, {"c.png", Qt::blue}});
  ASSERT_TRUE(rig.saved);
  const QString pictures = rig.program.filePath("pics");
  SlideshowOptions& o = rig.library.Options();
  o.Date = false;
  o.BkColor = MakeColorRef(0, 0, 64);
  TfrmDisplay& display = rig.display;
  NoShell& shell = rig.shell;
  QuietDialogs& dialogs = rig.dialogs;
  SlideshowEngine& engine = rig.Engine();
  SlideControl& control = engine.Control();
  ManualTimer& slideTimer = rig.SlideTimer();

  control.StartSlideshow();
  ASSERT_EQ(control.State(), PlayState::Playing) << dialogs.messages.join("\n").toStdString();
  EXPECT_TRUE(display.IsShowing());
  EXPECT_TRUE(display.IsTopmost());
  EXPECT_TRUE(slideTimer.IsActive());
  EXPECT_TRUE(shell.pointerHidden);
  const QSize m = display.MonitorSize();
  const QImage* shown = &display.PresentedFrame();
  ASSERT_EQ(shown->size(), m);
  EXPECT_EQ(CentrePixel(*shown), qRgb(255, 0, 0));
  EXPECT_EQ(shown->pixel(m.width() / 2, 0), qRgb(0, 0, 64));  // background above it
  EXPECT_EQ(engine.Show().ScreenBitmap.Width, m.width());
  EXPECT_EQ(display.TextBox(LabelBox::GName)->Text(), "★01/01. pics");
  EXPECT_EQ(display.TextBox(LabelBox::Num)->Text(), "01/03");
  EXPECT_TRUE(display.TextBox(LabelBox::Num)->isVisible());
  EXPECT_EQ(display.TextBox(LabelBox::Clock)->Text(), "07:08:09");
  EXPECT_EQ(display.TextBox(LabelBox::Guide)->Text(), "右クリックでメニュー表示");

  slideTimer.Fire();
  const QRgb second = CentrePixel(display.PresentedFrame());
  EXPECT_LT(qRed(second), 8);  // a JPEG: close to pure green
  EXPECT_GT(qGreen(second), 240);
  EXPECT_EQ(display.TextBox(LabelBox::Num)->Text(), "02/03");

  control.PauseSlideshow();
  EXPECT_EQ(control.State(), PlayState::Paused);
  EXPECT_FALSE(slideTimer.IsActive());
  EXPECT_FALSE(shell.pointerHidden);
  control.NextImage();
  EXPECT_EQ(CentrePixel(display.PresentedFrame()), qRgb(0, 0, 255));
  EXPECT_EQ(display.TextBox(LabelBox::Num)->Text(), "03/03");

  control.StopSlideshow();
  EXPECT_EQ(control.State(), PlayState::Idle);
  EXPECT_FALSE(display.IsShowing());
  for (int i = 0; i < kLabelBoxCount; ++i) EXPECT_FALSE(display.Box(static_cast<LabelBox>(i))->isVisible());
  EXPECT_EQ(CentrePixel(display.PresentedFrame()), qRgb(0, 0, 64));  // the plain background
  EXPECT_TRUE(engine.Show().ScreenBitmap.Empty());  // its memory released
  EXPECT_EQ(o.LastPlayName, pictures + "/c.png");
  EXPECT_EQ(o.LastPlayDir, pictures);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

// The shuffle filter with "なし" and one filter checked: the first draw is
// unfiltered, the next picture is filtered, and the selector shows each draw.
TEST(SlideshowPlaybackTest, ShuffledFiltersAlternateWithNoneOnScreen) {
  PlaybackRig rig({{"0.png", Qt::red}, {"1.png", Qt::green}, {"2.png", Qt::blue}});
  ASSERT_TRUE(rig.saved);
  SlideshowOptions& o = rig.library.Options();
  o.ImgEffect = static_cast<int>(FilterKind::Shuffle);
  o.ImgCheck.fill(false);
  o.ImgCheck[static_cast<int>(FilterKind::None)] = true;
  o.ImgCheck[static_cast<int>(FilterKind::Grayscale)] = true;
  o.TimingIdx = 2;  // a new draw after every ChangeNum pictures
  o.ChangeNum = 1;
  QList<int> shownFilters;
  rig.w.ShowEffects = [&](int filter, int) { shownFilters << filter; };
  TfrmDisplay& display = rig.display;
  QuietDialogs& dialogs = rig.dialogs;
  SlideControl& control = rig.Engine().Control();
  ManualTimer& slideTimer = rig.SlideTimer();

  control.StartSlideshow();
  ASSERT_EQ(control.State(), PlayState::Playing) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(control.ActiveFilter(), static_cast<int>(FilterKind::None));
  EXPECT_EQ(CentrePixel(display.PresentedFrame()), qRgb(255, 0, 0));
  slideTimer.Fire();
  EXPECT_EQ(control.ActiveFilter(), static_cast<int>(FilterKind::Grayscale));
  const QRgb grey = CentrePixel(display.PresentedFrame());
  EXPECT_EQ(qRed(grey), qGreen(grey));
  EXPECT_EQ(qGreen(grey), qBlue(grey));
  EXPECT_NEAR(qGreen(grey), 150, 1);  // the luma of pure green
  slideTimer.Fire();
  EXPECT_EQ(control.ActiveFilter(), static_cast<int>(FilterKind::None));
  EXPECT_EQ(CentrePixel(display.PresentedFrame()), qRgb(0, 0, 255));
  ASSERT_GE(shownFilters.size(), 3);
  EXPECT_EQ(shownFilters.mid(0, 3), (QList<int>{0, 1, 0}));

  control.StopSlideshow();
  EXPECT_EQ(shownFilters.last(), static_cast<int>(FilterKind::Shuffle));  // the configured choice again
}

}  // namespace

namespace {

bool IsGrey(const QImage& image, int x, int y) {
  const QRgb c = image.pixel(x, y);
  return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
}

// Increase on its own: the photos pile up on the real display, the one that
// was newest turns grey when the next arrives, a pause shows the plain
// picture and the resumed show starts a new pile; a stop ends it all.
TEST(SlideshowPlaybackTest, IncreasePilesPhotosUpAndStartsAfreshAfterAPause) {
  PlaybackRig rig({{"0.png", Qt::red}, {"1.png", Qt::green}, {"2.png", Qt::blue}});
  ASSERT_TRUE(rig.saved);
  SlideshowOptions& o = rig.library.Options();
  o.SlideEffect = static_cast<int>(TransitionKind::Increase);
  o.IncreaseIdx = static_cast<int>(FilterKind::Grayscale);
  o.IncFrame = 1;
  o.IncRotate = false;
  o.PhotoLongSize = 200;
  o.BkColor = MakeColorRef(0, 0, 64);
  o.UseLabel = false;
  TfrmDisplay& display = rig.display;
  SlideshowEngine& engine = rig.Engine();
  SlideControl& control = engine.Control();
  const IncreasePile& pile = engine.Pile();

  control.StartSlideshow();
  ASSERT_EQ(control.State(), PlayState::Playing) << rig.Messages().toStdString();
  EXPECT_EQ(engine.IncreaseFilter(), static_cast<int>(FilterKind::Grayscale));
  const int B = 5;  // the border of a 200-pixel print
  const int x0 = pile.LastX() + B, y0 = pile.LastY() + B;
  const QImage first = display.PresentedFrame();
  EXPECT_EQ(first.pixel(x0 + 2, y0 + 2), qRgb(255, 0, 0));
  EXPECT_EQ(first.pixel(x0 - 1, y0 + 2), qRgb(255, 255, 255));  // the white border
  const QSize m = display.MonitorSize();
  EXPECT_EQ(first.pixel(pile.LastX() < m.width() / 2 ? m.width() - 1 : 0, pile.LastY() < m.height() / 2 ? m.height() - 1 : 0),
            qRgb(0, 0, 64));  // the plain background around the only photo

  rig.SlideTimer().Fire();
  const QImage second = display.PresentedFrame();
  const int x1 = pile.LastX(), y1 = pile.LastY(), w1 = pile.LastFramed().Width, h1 = pile.LastFramed().Height;
  // Some part of the red photo's inside is not under the green one: grey now.
  int greyLeft = 0;
  for (int y = y0; y < y0 + 63 && y < m.height(); ++y)  // 190 x 63 of a 300 x 100 picture
    for (int x = x0; x < x0 + 190 && x < m.width(); ++x) {
      if (x < 0 || y < 0 || (x >= x1 && y >= y1 && x < x1 + w1 && y < y1 + h1)) continue;
      EXPECT_TRUE(IsGrey(second, x, y)) << x << "," << y;
      ++greyLeft;
    }
  EXPECT_GT(greyLeft, 0);
  EXPECT_GT(qGreen(second.pixel(x1 + B + 2, y1 + B + 2)), 240);

  control.PauseSlideshow();
  const QImage paused = display.PresentedFrame();
  EXPECT_EQ(paused.pixel(m.width() / 2, 0), qRgb(0, 0, 64));
  EXPECT_GT(qGreen(CentrePixel(paused)), 240);  // the plain fitted picture, no pile

  // The red photo in grey (its luma), not the white border or the grey edge.
  auto greyedRed = [&](const QImage& image) {
    int n = 0;
    for (int y = 0; y < m.height(); ++y)
      for (int x = 0; x < m.width(); ++x)
        if (IsGrey(image, x, y) && qRed(image.pixel(x, y)) > 20 && qRed(image.pixel(x, y)) < 120) ++n;
    return n;
  };
  EXPECT_GT(greyedRed(second), 0);
  control.StartSlideshow();  // resume: a new pile on the plain background
  EXPECT_EQ(control.State(), PlayState::Playing);
  EXPECT_EQ(greyedRed(display.PresentedFrame()), 0);
  EXPECT_GT(qGreen(display.PresentedFrame().pixel(pile.LastX() + B + 2, pile.LastY() + B + 2)), 240);

  control.StopSlideshow();
  EXPECT_EQ(engine.IncreaseFilter(), -1);
  EXPECT_TRUE(pile.LastPhoto().Pixels.empty());
  EXPECT_TRUE(rig.dialogs.messages.isEmpty()) << rig.Messages().toStdString();
}

// Increase drawn by the shuffle: the pile filter suits the image filter drawn
// at the same moment. After sepia, of sepia and monotone only monotone may
// follow; the filter in force before the draw (the shuffle entry) does not count.
TEST(SlideshowPlaybackTest, ShuffledIncreaseDrawsAPileFilterThatSuitsTheNewImageFilter) {
  PlaybackRig rig({{"0.png", Qt::red}, {"1.png", Qt::green}, {"2.png", Qt::blue}});
  ASSERT_TRUE(rig.saved);
  SlideshowOptions& o = rig.library.Options();
  o.ImgEffect = static_cast<int>(FilterKind::Shuffle);
  o.ImgCheck.fill(false);
  o.ImgCheck[static_cast<int>(FilterKind::Sepia)] = true;
  o.SlideEffect = static_cast<int>(TransitionKind::Shuffle);
  o.SlideCheck.fill(false);
  o.SlideCheck[static_cast<int>(TransitionKind::Increase)] = true;
  o.IncreaseCheck.fill(false);
  o.IncreaseCheck[static_cast<int>(FilterKind::Sepia)] = true;
  o.IncreaseCheck[static_cast<int>(FilterKind::Monotone)] = true;
  o.TimingIdx = 2;
  o.ChangeNum = 1;
  o.UseLabel = false;
  SlideshowEngine& engine = rig.Engine();
  SlideControl& control = engine.Control();
  for (int seed = 1; seed <= 4; ++seed) {
    SeedRandom(static_cast<std::uint64_t>(seed));
    control.StartSlideshow();
    ASSERT_EQ(control.State(), PlayState::Playing) << rig.Messages().toStdString();
    EXPECT_EQ(control.ActiveTransition(), static_cast<int>(TransitionKind::Increase));
    EXPECT_EQ(engine.IncreaseFilter(), static_cast<int>(FilterKind::Monotone));
    // The next draw finds sepia alone left in the bag when monotone came
    // first: it does not suit, and the pile goes unfiltered.
    rig.SlideTimer().Fire();
    EXPECT_NE(engine.IncreaseFilter(), static_cast<int>(FilterKind::Sepia));
    control.StopSlideshow();
  }
}

}  // namespace

namespace {

// The artwork of the playing track in its panel on the real display, at the
// far end of the music group, painted with the sized picture.
TEST(SlideshowPlaybackTest, ArtworkPanelShowsTheTracksCover) {
  PlaybackRig rig({{"0.png", Qt::red}});
  ASSERT_TRUE(rig.saved);
  const QString music = rig.program.filePath("music");
  QDir().mkpath(music);
  QFile song(music + "/song.mp3");
  ASSERT_TRUE(song.open(QIODevice::WriteOnly));
  song.close();
  QImage cover(400, 200, QImage::Format_RGB32);
  cover.fill(qRgb(250, 200, 0));
  ASSERT_TRUE(cover.save(music + "/cover.png"));
  rig.library.Bgms() = {ListEntry{true, "song.mp3", music}};
  SlideshowOptions& o = rig.library.Options();
  o.UseBGM = true;
  o.ArtName = "cover.png";
  o.ArtSize = 0;  // 100 pixels high
  o.GGroupPos = 1;  // music group at the top right
  rig.w.Artwork = &rig.display;
  SlideshowEngine& engine = rig.Engine();
  engine.Control().StartSlideshow();
  ASSERT_EQ(engine.Control().State(), PlayState::Playing) << rig.Messages().toStdString();
  QWidget* panel = rig.display.ArtPanel();
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(panel->size(), QSize(200, 100));
  const QSize m = rig.display.MonitorSize();
  EXPECT_EQ(panel->x(), m.width() - 200 - 9);
  EXPECT_GT(panel->y(), 9);  // below the title and the state
  const QImage& painted = rig.display.ArtBox()->Picture();
  ASSERT_EQ(painted.size(), QSize(200, 100));
  EXPECT_EQ(painted.pixel(100, 50), qRgb(250, 200, 0));
  EXPECT_TRUE(engine.Artwork().TimerArt().IsActive());
  engine.Control().PauseSlideshow();
  EXPECT_FALSE(engine.Artwork().TimerArt().IsActive());
  engine.Control().StartSlideshow();
  EXPECT_TRUE(engine.Artwork().TimerArt().IsActive());
  engine.Control().StopSlideshow();
  EXPECT_FALSE(engine.Artwork().TimerArt().IsActive());
  EXPECT_FALSE(panel->isVisible());
}

}  // namespace
