// The album artwork: finding and sizing the picture beside the track, the
// 20-second timer and the card flip, with hand-fired timers and a clock
// that only records its sleeps.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "FakeMusicPlayer.h"
#include "FakeTimer.h"
#include "filters/ApplyFilter.h"
#include "filters/FilterKind.h"
#include "filters/Luma.h"
#include "music/ArtFlip.h"
#include "music/ArtworkDisplay.h"
#include "music/ArtworkView.h"
#include "music/BgmController.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/UserDialogs.h"

namespace {

class RecordingView final : public ArtworkView {
 public:
  void PaintArtwork(const FrameBitmap& art) override { paints.push_back(art); }
  LabelRect ArtworkPlace() const override { return place; }
  std::vector<FrameBitmap> paints;
  LabelRect place{10, 20, 0, 0};
};

class SleepCounter final : public Clock {
 public:
  void Sleep(int ms) override { sleeps.push_back(ms); }
  std::int64_t MonotonicMs() override { return 0; }
  QDateTime Now() override { return {}; }
  std::vector<int> sleeps;
};

class ErrorLog final : public UserDialogs {
 public:
  void ShowInformation(const QString&) override {}
  void ShowError(const QString& text) override { errors << text; }
  bool AskYesNo(const QString&) override { return true; }
  void ProcessPendingMessages() override {}
  QStringList errors;
};

class ArtworkDisplayTest : public ::testing::Test {
 protected:
  ArtworkDisplayTest()
      : bgm(player, lists, timers, BgmControllerHooks{[] {}, [](const QString&) {}, [] {}, [](bool) {},
                                                      [] { return false; }, {}}),
        artwork(bgm, timers, clock, dialogs, [this] { return facts; }) {
    artwork.SetView(&view);
    artwork.SetScreen(&screen);
    facts.ArtShown = true;
    facts.UseBgm = true;
    facts.BgmPlayListEmpty = false;
    facts.ArtName = "cover.png";
    bgm.SetBgmListHasRows(true);
    screen.SetSize(400, 300);
    screen.Fill(MakeColorRef(0, 0, 200));
  }
  // A track in folder sub, with a w x h cover of one colour when w > 0.
  QString Track(const QString& sub, int w = 0, int h = 0, QRgb colour = qRgb(200, 100, 50),
                const QString& name = "cover.png") {
    QDir(dir.path()).mkpath(sub);
    const QString track = dir.filePath(sub + "/song.mp3");
    QFile f(track);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    if (w > 0) {
      QImage img(w, h, QImage::Format_RGB32);
      img.fill(colour);
      EXPECT_TRUE(img.save(dir.filePath(sub + "/" + name)));
    }
    return track;
  }
  // Plays track as the current one (which clears ArtworkLoaded).
  void Play(const QStringList& tracks, int index = 0) {
    lists.BgmPlayList = tracks;
    lists.BgmPlayIndex = index;
    bgm.PlayCurrentBgm();
  }
  FakeTimer& TimerArt() { return static_cast<FakeTimer&>(artwork.TimerArt()); }

  QTemporaryDir dir;
  FakeMusicPlayer player;
  PlayLists lists;
  FakeTimerFactory timers;
  SleepCounter clock;
  ErrorLog dialogs;
  RecordingView view;
  FrameBitmap screen;
  ArtworkFacts facts;
  BgmController bgm;
  ArtworkDisplay artwork;
};

TEST_F(ArtworkDisplayTest, SizesThePanelToTheChosenHeight) {
  struct Case {
    int w, h, artSize, panelW, panelH;
  };
  const Case cases[] = {
      {600, 600, 2, 150, 150},  // reduced
      {800, 600, 2, 200, 150},
      {100, 50, 4, 400, 200},   // enlarged
      {300, 150, 2, 300, 150},  // its own height: copied
      {333, 1000, 0, 33, 100},  // the width truncated
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
    const QString track = Track(QString("t%1").arg(n++), c.w, c.h);
    facts.ArtSize = c.artSize;
    Play({track});
    artwork.Refresh();
    EXPECT_EQ(artwork.PanelWidth(), c.panelW);
    EXPECT_EQ(artwork.PanelHeight(), c.panelH);
    ASSERT_EQ(artwork.ArtBitmap().Width, c.panelW);
    EXPECT_TRUE(bgm.ArtworkLoaded());
    // Painted at once; the back is the grey copy, the front the picture.
    EXPECT_EQ(view.paints.back(), artwork.ArtBitmap());
    EXPECT_EQ(artwork.ArtFront(), artwork.ArtBitmap());
    FrameBitmap grey = artwork.ArtBitmap();
    ToGrey(grey);
    EXPECT_EQ(artwork.ArtBack(), grey);
    // A flat colour stays flat through the resampling and the sharpening.
    const std::uint8_t* p = artwork.ArtBitmap().At(c.panelW / 2, c.panelH / 2);
    EXPECT_EQ(p[2], 200);
    EXPECT_EQ(p[1], 100);
    EXPECT_EQ(p[0], 50);
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ArtworkDisplayTest, HiddenWithoutPictureTrackOrMusic) {
  const QString bare = Track("bare");
  Play({bare});
  artwork.Refresh();
  EXPECT_EQ(artwork.PanelWidth(), 0);
  EXPECT_FALSE(bgm.ArtworkLoaded());
  EXPECT_TRUE(view.paints.empty());

  const QString covered = Track("covered", 300, 300);
  Play({covered});
  artwork.Refresh();
  ASSERT_EQ(artwork.PanelWidth(), 150);
  EXPECT_TRUE(TimerArt().IsActive());
  EXPECT_EQ(TimerArt().Interval(), 20000);

  struct Case {
    const char* what;
    bool shown, useBgm, listEmpty;
  };
  for (const Case& c : {Case{"label off", false, true, false}, Case{"music off", true, false, false},
                        Case{"no play list", true, true, true}}) {
    SCOPED_TRACE(c.what);
    facts.ArtShown = c.shown;
    facts.UseBgm = c.useBgm;
    facts.BgmPlayListEmpty = c.listEmpty;
    artwork.Refresh();
    EXPECT_EQ(artwork.PanelWidth(), 0);
    EXPECT_EQ(artwork.PanelHeight(), 0);
    EXPECT_FALSE(TimerArt().IsActive());
    EXPECT_FALSE(bgm.ArtworkLoaded());
    // Shown again: loaded anew at the next refresh.
    facts = ArtworkFacts{true, true, false, false, "cover.png", 2, 2};
    artwork.Refresh();
    EXPECT_EQ(artwork.PanelWidth(), 150);
  }
}

TEST_F(ArtworkDisplayTest, TimerStartsOnlyWithAnEffectAndWhilePlaying) {
  const QString track = Track("a", 200, 200);
  struct Case {
    int effect;
    bool paused, active;
  };
  for (const Case& c : {Case{0, false, false}, Case{1, false, true}, Case{2, true, false}, Case{2, false, true}}) {
    TimerArt().Stop();
    facts.ArtEffect = c.effect;
    facts.SlideshowPaused = c.paused;
    Play({track});
    artwork.Refresh();
    EXPECT_EQ(TimerArt().IsActive(), c.active) << c.effect << c.paused;
  }
  // Pause stops it; resume starts it again only with an effect and a loaded picture.
  artwork.StopTimer();
  EXPECT_FALSE(TimerArt().IsActive());
  artwork.RestartTimerAfterResume();
  EXPECT_TRUE(TimerArt().IsActive());
  artwork.StopTimer();
  facts.ArtEffect = 0;
  artwork.RestartTimerAfterResume();
  EXPECT_FALSE(TimerArt().IsActive());
}

// "フリップ": the card turns to the same picture and back, 34 frames each
// way, 16 ms apart, over the slideshow picture behind the panel.
TEST_F(ArtworkDisplayTest, FlipTurnsTheCardOverTheScreenAndBack) {
  facts.ArtEffect = 1;
  facts.ArtSize = 0;  // 100 pixels high
  Play({Track("a", 165, 100, qRgb(160, 80, 240))});
  artwork.Refresh();
  const FrameBitmap front = artwork.ArtBitmap();
  ASSERT_EQ(front.Width, 165);
  view.paints.clear();
  TimerArt().Tick();
  ASSERT_EQ(view.paints.size(), 34u);
  EXPECT_EQ(clock.sleeps, std::vector<int>(34, 16));
  EXPECT_EQ(view.paints.front(), front);
  EXPECT_EQ(view.paints.back(), front);  // an identical copy
  EXPECT_TRUE(bgm.ArtworkFlipped());
  // Closing frame k = 8: the card is 165 - 8 * 10 = 85 wide at 40, darkened
  // halfway to 64; the screen shows at its sides.
  const FrameBitmap& k8 = view.paints[8];
  for (int x : {0, 39, 125, 164}) EXPECT_EQ(k8.At(x, 50)[0], 200) << x;  // the screen's blue
  for (int x : {40, 82, 124}) {
    EXPECT_EQ(k8.At(x, 50)[2], 160 / 2 + 32) << x;
    EXPECT_EQ(k8.At(x, 50)[0], 240 / 2 + 32) << x;
  }
  // Closing k = 16 leaves the five columns of 165 mod 16 at full shade 64;
  // opening k = 0 shows only the screen.
  EXPECT_EQ(view.paints[16].At(82, 0)[1], 64);
  EXPECT_EQ(view.paints[16].At(79, 0)[1], 0);
  EXPECT_EQ(view.paints[17].At(82, 0)[0], 200);
  // Opening k = 4: 40 wide at 62, brightened: (12 * 64) >> 4 + (4 * v) >> 4.
  EXPECT_EQ(view.paints[21].At(62, 9)[2], 48 + 40);
  EXPECT_EQ(view.paints[21].At(61, 9)[2], 0);

  view.paints.clear();
  TimerArt().Tick();  // and back
  EXPECT_EQ(view.paints.back(), front);
  EXPECT_FALSE(bgm.ArtworkFlipped());
}

// "フリップ ＋ 画像フィルタ": the back is the front through the filter chosen
// by Random(100) mod 6; "モノトーン" for 0.
TEST_F(ArtworkDisplayTest, FilteredFlipUsesTheDrawnFilter) {
  facts.ArtEffect = 2;
  Play({Track("a", 150, 150, qRgb(30, 160, 90))});
  artwork.Refresh();
  std::uint64_t seed = 0;
  for (;; ++seed) {
    SeedRandom(seed);
    if (Random(100) % 6 == 0) break;
  }
  FrameBitmap want = artwork.ArtFront();
  ApplyFilter(static_cast<int>(FilterKind::Monotone), want, FilterContext{});
  SeedRandom(seed);
  TimerArt().Tick();
  EXPECT_EQ(artwork.ArtBack(), want);
  EXPECT_EQ(artwork.ArtBitmap(), want);
  EXPECT_NE(artwork.ArtBack(), artwork.ArtFront());
}

// "なし": never moves, since its timer never runs; and a timer tick after the
// music is switched off does nothing.
TEST_F(ArtworkDisplayTest, NoEffectOrNoMusicNeverMoves) {
  facts.ArtEffect = 0;
  Play({Track("a", 150, 150)});
  artwork.Refresh();
  EXPECT_FALSE(TimerArt().IsActive());
  facts.ArtEffect = 1;
  facts.UseBgm = false;
  view.paints.clear();
  artwork.OnArtTimer();
  EXPECT_TRUE(view.paints.empty());
}

TEST_F(ArtworkDisplayTest, AnotherTracksFolderGivesItsOwnArtwork) {
  const QString first = Track("one", 300, 300, qRgb(255, 0, 0));
  const QString second = Track("two", 400, 300, qRgb(0, 0, 255));
  Play({first, second});
  artwork.Refresh();
  EXPECT_EQ(artwork.PanelWidth(), 150);
  artwork.Refresh();  // loaded once per track
  EXPECT_EQ(view.paints.size(), 1u);
  bgm.NextBgm();
  artwork.Refresh();
  EXPECT_EQ(artwork.PanelWidth(), 200);
  EXPECT_EQ(artwork.ArtBitmap().At(10, 10)[0], 255);
}

TEST_F(ArtworkDisplayTest, UndecodableArtworkIsReportedOnce) {
  const QString track = Track("a");
  QFile bad(dir.filePath("a/cover.png"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a picture");
  bad.close();
  Play({track});
  artwork.Refresh();
  artwork.Refresh();
  EXPECT_EQ(dialogs.errors.size(), 1);
  EXPECT_EQ(artwork.PanelWidth(), 0);
  artwork.OnArtTimer();  // nothing to turn
  EXPECT_TRUE(view.paints.empty());
}

}  // namespace
