#include "engine/SlideControl.h"

#include <gtest/gtest.h>

#include "SlideControlFakes.h"

namespace {

FakeFolder Folder(const QString& name, int images) {
  FakeFolder f{name, {}, true};
  for (int i = 1; i <= images; ++i) f.images << QStringLiteral("%1.jpg").arg(i);
  return f;
}

class SlideControlTest : public ::testing::Test {
 protected:
  SlideControlTest() {
    world.options.ImgEffect = 0;
    world.options.SlideEffect = 0;
  }
  SlideControl& Control() {
    if (!control) {
      control = std::make_unique<SlideControl>(world.Ports(timers));
      world.control = control.get();
    }
    return *control;
  }
  ManualTimer& SlideTimer() { Control(); return *timers.timers.front(); }
  void Tick(int n = 1) { for (int i = 0; i < n; ++i) SlideTimer().Fire(); }

  SlideWorld world;
  ManualTimerFactory timers;
  std::unique_ptr<SlideControl> control;
};

TEST_F(SlideControlTest, StartShowsFirstImageAndPlays) {
  world.folders = {Folder("A", 2)};
  world.options.Interval = 2;
  world.options.Unit = 1;
  Control().StartOrPause();
  EXPECT_EQ(Control().State(), PlayState::Playing);
  EXPECT_EQ(world.shown, QStringList{"A/1.jpg"});
  EXPECT_TRUE(world.displayShowing);
  EXPECT_TRUE(world.pointerHidden);
  EXPECT_TRUE(world.arrowsToVolume);
  EXPECT_FALSE(world.loading);
  EXPECT_TRUE(SlideTimer().IsActive());
  EXPECT_EQ(SlideTimer().Interval(), 120000);
  EXPECT_EQ(Control().EffectChangeCount(), 1);
}

TEST_F(SlideControlTest, EmptyOrUnmarkedListDoesNotStart) {
  Control().StartSlideshow();
  EXPECT_EQ(Control().State(), PlayState::Idle);
  EXPECT_TRUE(world.infos.isEmpty());
}

TEST_F(SlideControlTest, LimitOfThreeInAFolderOfFive) {
  world.folders = {Folder("A", 5), Folder("B", 5)};
  world.options.UseLimit = true;
  world.options.LimitNum = 3;
  Control().StartSlideshow();
  Tick(4);
  EXPECT_EQ(world.shown, (QStringList{"A/1.jpg", "A/2.jpg", "A/3.jpg", "B/1.jpg", "B/2.jpg"}));
}

TEST_F(SlideControlTest, LastImageOfLastFolderWrapsToTheFirstFolder) {
  world.folders = {Folder("A", 2), Folder("B", 1)};
  Control().StartSlideshow();
  Tick(3);
  EXPECT_EQ(world.shown, (QStringList{"A/1.jpg", "A/2.jpg", "B/1.jpg", "A/1.jpg"}));
}

TEST_F(SlideControlTest, LoopStaysInItsFolderAndRebuildsEachPass) {
  world.folders = {Folder("A", 3), Folder("B", 3)};
  world.options.cbDir = kOrderLoopOrAll;
  world.selectedFolder = 0;
  Control().StartSlideshow();
  const int buildsAtStart = world.builds;
  Tick(6);
  EXPECT_EQ(world.shown, (QStringList{"A/1.jpg", "A/2.jpg", "A/3.jpg", "A/1.jpg", "A/2.jpg",
                                      "A/3.jpg", "A/1.jpg"}));
  EXPECT_EQ(world.builds - buildsAtStart, 2);  // a shuffled order is drawn anew per pass
}

TEST_F(SlideControlTest, AllImagesOrderReshufflesAtTheEnd) {
  world.folders = {Folder("A", 1), Folder("B", 1)};
  world.options.cbImg = kOrderLoopOrAll;
  world.options.UseLimit = true;  // does not apply to this order
  world.options.LimitNum = 1;
  Control().StartSlideshow();
  Tick(2);
  EXPECT_EQ(world.shown, (QStringList{"A/1.jpg", "B/1.jpg", "B/1.jpg"}));
  EXPECT_EQ(world.reshuffles, 1);
}

TEST_F(SlideControlTest, StepImagesWhilePaused) {
  world.folders = {Folder("A", 3)};
  Control().StartSlideshow();
  Control().StartOrPause();  // pause
  ASSERT_EQ(Control().State(), PlayState::Paused);
  EXPECT_FALSE(SlideTimer().IsActive());
  EXPECT_FALSE(world.pointerHidden);
  world.shown.clear();
  Control().PrevImage();  // ← at the first image: the folder's last
  Control().NextImage();  // → at the last with one folder: the first
  Control().NextImage();
  EXPECT_EQ(world.shown, (QStringList{"A/3.jpg", "A/1.jpg", "A/2.jpg"}));
  EXPECT_EQ(world.folderPlayIndex, 0);
}

TEST_F(SlideControlTest, NextImageAtTheEndMovesToTheNextFolderEvenInLoopOrder) {
  world.folders = {Folder("A", 1), Folder("B", 1)};
  world.options.cbDir = kOrderLoopOrAll;
  Control().StartSlideshow();
  Control().PauseSlideshow();
  world.shown.clear();
  Control().NextImage();
  EXPECT_EQ(world.shown, QStringList{"B/1.jpg"});
}

TEST_F(SlideControlTest, PauseShowsUnfilteredAndResumeRestoresEffects) {
  world.folders = {Folder("A", 3)};
  world.filterSelector = 4;
  world.transitionSelector = 2;
  Control().StartSlideshow();
  Control().PauseSlideshow();
  Control().NextImage();
  EXPECT_EQ(world.filtersOfShown, (QStringList{"4,2", "0,0", "0,0"}));
  Control().StartSlideshow();  // resume
  EXPECT_EQ(Control().State(), PlayState::Playing);
  EXPECT_EQ(world.filtersOfShown.back(), "4,2");
  EXPECT_EQ(world.shown.back(), "A/2.jpg");
  EXPECT_TRUE(SlideTimer().IsActive());
}

TEST_F(SlideControlTest, FolderWithoutImagesAtStart) {
  world.folders = {Folder("Empty", 0), Folder("B", 2)};
  Control().StartSlideshow();
  EXPECT_EQ(Control().State(), PlayState::Playing);
  EXPECT_TRUE(world.shown.isEmpty());  // the plain background
  Tick();
  EXPECT_EQ(world.shown, QStringList{"B/1.jpg"});
  EXPECT_EQ(world.folderPlayIndex, 1);
}

TEST_F(SlideControlTest, FolderSearchEndsAfterOnePass) {
  world.folders = {Folder("A", 1), Folder("B", 1), Folder("C", 1)};
  Control().StartSlideshow();
  world.folders[0].images.clear();  // every folder emptied or removed during play
  world.folders[1].exists = false;
  world.folders[2].images.clear();
  Tick();
  EXPECT_EQ(world.shown, QStringList{"A/1.jpg"});  // the screen is unchanged
  EXPECT_TRUE(Control().TimerReady());
  EXPECT_FALSE(Control().FolderChangeInProgress());
  Control().NextFolder();
  Control().PrevFolder();
  EXPECT_EQ(world.shown.size(), 1);
  EXPECT_EQ(Control().State(), PlayState::Playing);
}

TEST_F(SlideControlTest, FolderCommandsPassOverMissingAndEmptyFolders) {
  world.folders = {Folder("A", 1), Folder("Gone", 1), Folder("Empty", 0), Folder("D", 1)};
  world.folders[1].exists = false;
  Control().StartSlideshow();
  Control().NextFolder();  // Gone is passed over, Empty hands over forwards
  EXPECT_EQ(world.shown.back(), "D/1.jpg");
  Control().PrevFolder();  // Empty going backwards hands over forwards again
  EXPECT_EQ(world.shown.back(), "D/1.jpg");
  Control().NextFolder();  // wraps
  EXPECT_EQ(world.shown.back(), "A/1.jpg");
  Control().PrevFolder();
  EXPECT_EQ(world.shown.back(), "D/1.jpg");
}

TEST_F(SlideControlTest, StopDuringTheStart) {
  world.folders = {Folder("A", 2)};
  world.onPendingMessages = nullptr;
  Control();
  // Esc arrives while the labels of the start are laid out.
  int processing = 0;
  std::function<void()> esc = [&] {
    if (++processing == 2) Control().StopSlideshow();
    else world.onPendingMessages = esc;
  };
  world.onPendingMessages = esc;
  Control().StartSlideshow();
  EXPECT_EQ(Control().State(), PlayState::Idle);
  EXPECT_FALSE(SlideTimer().IsActive());
  EXPECT_FALSE(world.displayShowing);
  EXPECT_FALSE(world.pointerHidden);
  EXPECT_TRUE(world.shown.isEmpty());
  EXPECT_FALSE(Control().ScreenSaverSuppressed());
  EXPECT_EQ(Control().ConfiguredFilter(), -1);
}

TEST_F(SlideControlTest, DecodingFailureAtStartStillPlays) {
  world.folders = {Folder("A", 2)};
  world.failDecoding = true;
  Control().StartSlideshow();
  EXPECT_EQ(world.errors.size(), 1);
  EXPECT_EQ(Control().State(), PlayState::Playing);
  world.failDecoding = false;
  Tick();
  EXPECT_EQ(world.shown, QStringList{"A/2.jpg"});
}

TEST_F(SlideControlTest, StopSelectsThePlayingFolderForFromSelectedOrder) {
  world.folders = {Folder("A", 2), Folder("B", 3), Folder("C", 1)};
  world.options.cbDir = kOrderFromSelected;
  world.options.cbImg = kOrderFromSelected;
  world.selectedFolder = 0;
  Control().StartSlideshow();
  Tick(3);  // A/2, B/1, B/2
  ASSERT_EQ(world.shown.back(), "B/2.jpg");
  Control().StopSlideshow();
  EXPECT_EQ(world.selectedRowAtStop, 1);
  EXPECT_EQ(world.currentImageIndex, 1);  // image order 1 keeps the image
  EXPECT_EQ(world.lastPlayName, "/photos/B/2.jpg");
  EXPECT_EQ(world.lastPlayDir, "/photos/B");
  EXPECT_EQ(Control().State(), PlayState::Idle);
  EXPECT_FALSE(world.displayShowing);
  EXPECT_FALSE(world.arrowsToVolume);
  // The next start resumes there.
  world.shown.clear();
  Control().StartSlideshow();
  EXPECT_EQ(world.shown.front(), "B/1.jpg");
}

TEST_F(SlideControlTest, StopWithTopOrderDoesNotSelect) {
  world.folders = {Folder("A", 2), Folder("B", 3)};
  Control().StartSlideshow();
  Tick(2);
  Control().StopSlideshow();
  EXPECT_EQ(world.selectedRowAtStop, -1);
  EXPECT_EQ(world.currentImageIndex, 0);
}

TEST_F(SlideControlTest, EffectsChangeOnEveryNthImage) {
  world.folders = {Folder("A", 5), Folder("B", 5), Folder("C", 5)};
  world.filterSelector = static_cast<int>(FilterKind::Shuffle);
  world.transitionSelector = static_cast<int>(TransitionKind::Shuffle);
  world.options.TimingIdx = 2;  // 表示枚数
  world.options.ChangeNum = 4;
  Control().StartSlideshow();
  EXPECT_EQ(world.filterDraws, 1);
  std::vector<int> drawTicks;
  for (int tick = 1; tick <= 12; ++tick) {
    const int before = world.filterDraws;
    Tick();
    if (world.filterDraws != before) drawTicks.push_back(tick);
  }
  // Folder changes at ticks 5 and 10 draw nothing with this rule.
  EXPECT_EQ(drawTicks, (std::vector<int>{4, 8, 12}));
  EXPECT_EQ(world.transitionDraws, world.filterDraws);
}

TEST_F(SlideControlTest, EffectsChangeOnFolderChangesOnly) {
  world.folders = {Folder("A", 2), Folder("B", 2)};
  world.filterSelector = static_cast<int>(FilterKind::Shuffle);
  world.options.TimingIdx = 1;  // フォルダ変更時
  world.options.ChangeNum = 1;
  Control().StartSlideshow();
  Tick();  // A/2: no draw
  EXPECT_EQ(world.filterDraws, 1);
  Tick();  // B/1: folder change
  EXPECT_EQ(world.filterDraws, 2);
  Control().NextFolder();  // Ctrl + → while playing
  EXPECT_EQ(world.filterDraws, 3);
  EXPECT_EQ(world.transitionDraws, 0);
  Control().PauseSlideshow();
  Control().NextFolder();  // while paused: nothing drawn
  EXPECT_EQ(world.filterDraws, 3);
}

TEST_F(SlideControlTest, FolderAndCountRule) {
  world.folders = {Folder("A", 3), Folder("B", 3)};
  world.transitionSelector = static_cast<int>(TransitionKind::Shuffle);
  world.options.TimingIdx = 0;
  world.options.ChangeNum = 2;
  Control().StartSlideshow();
  std::vector<int> drawTicks;
  for (int tick = 1; tick <= 6; ++tick) {
    const int before = world.transitionDraws;
    Tick();
    if (world.transitionDraws != before) drawTicks.push_back(tick);
  }
  // By count at 2 and 5, by the folder changes at 3 (B/1) and 6 (A/1).
  EXPECT_EQ(drawTicks, (std::vector<int>{2, 3, 5, 6}));
  EXPECT_EQ(world.filterDraws, 0);
}

TEST_F(SlideControlTest, StopRestoresTheConfiguredEffects) {
  world.folders = {Folder("A", 2)};
  world.filterSelector = static_cast<int>(FilterKind::Shuffle);
  Control().StartSlideshow();
  EXPECT_EQ(Control().ActiveFilter(), 5);
  Control().StopSlideshow();
  EXPECT_EQ(Control().ActiveFilter(), static_cast<int>(FilterKind::Shuffle));
  EXPECT_EQ(Control().ConfiguredFilter(), -1);
  EXPECT_EQ(Control().EffectChangeCount(), 0);
}

TEST_F(SlideControlTest, ContextMenuGuardAndPause) {
  world.folders = {Folder("A", 2)};
  Control().StartSlideshow();
  EXPECT_TRUE(Control().BeginContextMenuRequest());
  EXPECT_EQ(Control().State(), PlayState::Paused);
  EXPECT_FALSE(Control().BeginContextMenuRequest());  // swallowed until the menu opens
  Control().ClearContextMenuGuard();
  EXPECT_TRUE(Control().BeginContextMenuRequest());
  EXPECT_EQ(Control().State(), PlayState::Paused);
}

TEST_F(SlideControlTest, ScreenSaverHeldWhilePlaying) {
  world.folders = {Folder("A", 2)};
  Control().StartSlideshow();
  EXPECT_TRUE(Control().ScreenSaverSuppressed());
  Control().PauseSlideshow();
  EXPECT_TRUE(Control().ScreenSaverSuppressed());  // a pause keeps it off
  Control().StopSlideshow();
  EXPECT_FALSE(Control().ScreenSaverSuppressed());
  EXPECT_EQ(world.uninhibits, 1);

  world.saverAvailable = false;  // no session bus: nothing to give back
  Control().StartSlideshow();
  EXPECT_FALSE(Control().ScreenSaverSuppressed());
  Control().StopSlideshow();
  EXPECT_EQ(world.uninhibits, 1);

  world.noSaver = false;
  world.saverAvailable = true;
  const int asked = world.inhibits;
  Control().StartSlideshow();
  EXPECT_EQ(world.inhibits, asked);
}

TEST_F(SlideControlTest, PointerToggleOnlyWhileTheTimerRuns) {
  world.folders = {Folder("A", 2)};
  Control().OnMainWindowClick();
  EXPECT_FALSE(world.pointerHidden);
  Control().StartSlideshow();
  Control().OnMainWindowClick();
  EXPECT_FALSE(world.pointerHidden);
  Control().OnMainWindowClick();
  EXPECT_TRUE(world.pointerHidden);
}

TEST(SlideMenuStateTest, PerPlayState) {
  SlideshowOptions o;
  const SlideMenuState playing = ComputeSlideMenuState(PlayState::Playing, o);
  EXPECT_EQ(playing.SlideCaption, "スライドショー一時停止(&S)");
  EXPECT_TRUE(playing.StopVisible);
  EXPECT_FALSE(playing.ImageMenuVisible);
  EXPECT_FALSE(playing.ImageMenuEnabled);
  const SlideMenuState paused = ComputeSlideMenuState(PlayState::Paused, o);
  EXPECT_EQ(paused.SlideCaption, "スライドショー開始(&S)");
  EXPECT_TRUE(paused.StopVisible);
  EXPECT_TRUE(paused.ImageMenuVisible);
  for (PlayState s : {PlayState::Idle, PlayState::Starting}) {
    const SlideMenuState m = ComputeSlideMenuState(s, o);
    EXPECT_EQ(m.SlideCaption, "スライドショー開始(&S)");
    EXPECT_FALSE(m.StopVisible);
    EXPECT_TRUE(m.ImageMenuEnabled);
  }
  o.cbImg = kOrderLoopOrAll;
  o.UseLabel = false;
  const SlideMenuState all = ComputeSlideMenuState(PlayState::Paused, o);
  EXPECT_FALSE(all.FolderMenuVisible);
  EXPECT_FALSE(all.LabelMenuVisible);
}

}  // namespace

// The slide planned for decoding ahead is the one the next tick shows, in
// the middle of a folder and at every kind of pass end.
TEST(SlideControlPlan, ThePlannedNextSlideIsTheOneTheTimerShows) {
  const struct {
    const char* name;
    int cbDir, cbImg;
    bool useLimit;
    int filter, transition, timing;
  } cases[] = {
      {"folders in turn", kOrderFromTop, kOrderFromTop, false, 0, 0, 0},
      {"one folder in a loop", kOrderLoopOrAll, kOrderFromTop, false, 3, 1, 0},
      {"every image reshuffled", kOrderFromTop, kOrderLoopOrAll, false, 0, 0, 0},
      {"a limit of two per folder", kOrderFromTop, kOrderFromTop, true, 0, 0, 0},
      {"effects shuffled at folders and counts", kOrderFromTop, kOrderFromTop, false, 22, 19, 0},
      {"filter shuffled by count", kOrderFromTop, kOrderFromTop, false, 22, 2, 2},
      {"transition shuffled at folders", kOrderFromTop, kOrderFromTop, false, 4, 19, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SlideWorld world;
    world.filterSelector = c.filter;
    world.transitionSelector = c.transition;
    world.options.TimingIdx = c.timing;
    world.options.ChangeNum = 3;
    world.folders = {Folder("A", 3), Folder("B", 2), Folder("C", 1)};
    world.options.cbDir = c.cbDir;
    world.options.cbImg = c.cbImg;
    world.options.UseLimit = c.useLimit;
    world.options.LimitNum = 2;
    ManualTimerFactory timers;
    SlideControl control(world.Ports(timers));
    world.control = &control;
    control.StartSlideshow();
    int passEnds = 0;
    for (int tick = 0; tick < 14; ++tick) {
      const PlannedSlide plan = control.PlanNextSlide();
      const int draws = world.filterDraws + world.transitionDraws;
      timers.timers.front()->Fire();
      // The effects are named only when the tick draws none.
      if (world.filterDraws + world.transitionDraws > draws) {
        EXPECT_EQ(plan.Filter, -1) << "tick " << tick;
        EXPECT_EQ(plan.Transition, -1) << "tick " << tick;
      } else {
        EXPECT_EQ(plan.Filter, control.ActiveFilter()) << "tick " << tick;
        EXPECT_EQ(plan.Transition, control.ActiveTransition()) << "tick " << tick;
      }
      EXPECT_EQ(QStringLiteral("/photos/") + plan.File, world.CurrentImageFile()) << "tick " << tick;
      EXPECT_EQ(plan.Key, (PrefetchKey{world.folderPlayIndex, world.currentImageIndex})) << "tick " << tick;
      EXPECT_EQ(plan.NewPass, world.currentImageIndex == 0) << "tick " << tick;
      if (plan.NewPass) ++passEnds;
    }
    EXPECT_GE(passEnds, 2);
  }
}
