// The music rules with a fake player and hand-fired timers.
#include <gtest/gtest.h>

#include <set>

#include "FakeMusicPlayer.h"
#include "FakeTimer.h"
#include "music/BgmController.h"

namespace {

using Calls = std::vector<std::string>;

class BgmControllerTest : public ::testing::Test {
 protected:
  BgmControllerTest()
      : controller_(player_, lists_, timers_,
                    BgmControllerHooks{
                        [this] { ++labelRefreshes_; },
                        [this](const QString& text) { stateTexts_.push_back(text); },
                        [this] { ++artworkTimerStops_; },
                        [this](bool ready) { timerReady_.push_back(ready); },
                        [this] { return slideshowPaused_; },
                        [this](const QString& path) { return existing_.count(path) > 0; },
                    }) {
    controller_.SetBgmListHasRows(true);
  }

  void Start(int order, const QStringList& list, int index = 0) {
    for (const QString& p : list) existing_.insert(p);
    controller_.SetOrder(order);
    lists_.BgmPlayList = list;
    lists_.BgmPlayIndex = index;
    controller_.StartBgm();
  }
  FakeTimer& EndWatch() { return *timers_.created.at(0); }
  FakeTimer& PlayTime() { return *timers_.created.at(1); }
  // Lets the current track end and the watch notice it.
  std::string EndAndTick() {
    player_.EndTrack();
    EndWatch().Tick();
    return player_.LastLoaded();
  }

  FakeMusicPlayer player_;
  PlayLists lists_;
  FakeTimerFactory timers_;
  std::set<QString> existing_;
  bool slideshowPaused_ = false;
  int labelRefreshes_ = 0;
  int artworkTimerStops_ = 0;
  std::vector<QString> stateTexts_;
  std::vector<bool> timerReady_;
  BgmController controller_;
};

TEST_F(BgmControllerTest, EachOrderAtTheEndOfATrack) {
  struct Case {
    int order;
    QStringList list;  // the play list as the engine built it
    int startIndex;
    std::vector<std::string> played;
  };
  const Case cases[] = {
      {0, {"a", "b", "c"}, 0, {"a", "b", "c", "a", "b"}},
      {1, {"a", "b", "c"}, 1, {"b", "c", "a", "b", "c"}},
      {2, {"c", "a", "b"}, 0, {"c", "a", "b", "c", "a"}},  // the same shuffled order again
      {3, {"a", "b", "c"}, 1, {"b", "b", "b", "b", "b"}},
      {0, {"only"}, 0, {"only", "only", "only"}},
  };
  for (const Case& c : cases) {
    FakeMusicPlayer player;
    PlayLists lists;
    lists.BgmPlayList = c.list;
    lists.BgmPlayIndex = c.startIndex;
    FakeTimerFactory timers;
    BgmControllerHooks hooks;
    hooks.fileExists = [](const QString&) { return true; };
    BgmController controller(player, lists, timers, hooks);
    controller.SetBgmListHasRows(true);
    controller.SetOrder(c.order);
    controller.StartBgm();
    std::vector<std::string> played = {player.LastLoaded()};
    while (played.size() < c.played.size()) {
      EXPECT_EQ(player.calls.back(), "Play");
      timers.created[0]->Tick();  // still playing: nothing happens
      player.EndTrack();
      timers.created[0]->Tick();
      played.push_back(player.LastLoaded());
    }
    EXPECT_EQ(played, c.played) << "order " << c.order;
  }
}

TEST_F(BgmControllerTest, StartShowsReadyAndRunsBothTimers) {
  for (int order : {0, 2, 3}) {
    stateTexts_.clear();
    player_.Load("");
    Start(order, {"a", "b"});
    const char* expected[] = {"00:00/00:00 Ready Volume 050", "", "00:00/00:00 Ready Shuffle Volume 050",
                              "00:00/00:00 Ready Loop Volume 050"};
    ASSERT_FALSE(stateTexts_.empty());
    EXPECT_EQ(stateTexts_.front(), expected[order]);
    EXPECT_TRUE(EndWatch().IsActive());
    EXPECT_TRUE(PlayTime().IsActive());
    EXPECT_EQ(EndWatch().Interval(), 100);
    EXPECT_EQ(PlayTime().Interval(), 100);
    EXPECT_EQ(controller_.CurrentBgmFile(), "a");
  }
}

TEST_F(BgmControllerTest, PauseAndResumeContinueTheTrack) {
  Start(0, {"a", "b"});
  controller_.SetArtworkLoaded(true);
  player_.calls.clear();
  controller_.PauseBgm();
  EXPECT_EQ(player_.calls, (Calls{"Pause"}));
  EXPECT_FALSE(EndWatch().IsActive());
  EXPECT_TRUE(PlayTime().IsActive());  // the label goes on to read "Paused"
  EXPECT_EQ(artworkTimerStops_, 1);
  PlayTime().Tick();
  EXPECT_EQ(stateTexts_.back(), "00:00/00:00 Paused Volume 050");

  player_.calls.clear();
  controller_.StartBgm();
  EXPECT_EQ(player_.calls, (Calls{"Play"}));  // no reload: it continues
  EXPECT_TRUE(controller_.ArtworkLoaded());
  EXPECT_TRUE(EndWatch().IsActive());
}

TEST_F(BgmControllerTest, StopStopsClosesAndUnloads) {
  struct Case {
    const char* name;
    std::function<void(FakeMusicPlayer&)> arrange;
    Calls calls;
  };
  const Case cases[] = {
      {"playing", [](FakeMusicPlayer&) {}, {"Stop", "Close", "Load()"}},
      {"paused", [](FakeMusicPlayer& p) { p.Pause(); }, {"Stop", "Close", "Load()"}},
      {"ended", [](FakeMusicPlayer& p) { p.EndTrack(); }, {"Close", "Load()"}},
      {"nothing loaded", [](FakeMusicPlayer& p) { p.Load(""); }, {"Load()"}},
  };
  for (const Case& c : cases) {
    Start(0, {"a", "b"});
    c.arrange(player_);
    player_.calls.clear();
    controller_.StopBgm();
    EXPECT_EQ(player_.calls, c.calls) << c.name;
    EXPECT_FALSE(EndWatch().IsActive());
    EXPECT_FALSE(PlayTime().IsActive());
    EXPECT_EQ(player_.State(), PlayerState::Undefined);
    EXPECT_EQ(player_.Url(), "");
  }
}

TEST_F(BgmControllerTest, NextAndPreviousWhilePlaying) {
  Start(3, {"a", "b", "c"}, 0);
  player_.calls.clear();
  controller_.NextBgm();
  EXPECT_EQ(player_.calls, (Calls{"Load(b)", "Play"}));
  controller_.PrevBgm();
  controller_.PrevBgm();
  EXPECT_EQ(player_.LastLoaded(), "c");  // wraps to the last
  EXPECT_EQ(lists_.BgmPlayIndex, 2);
  EXPECT_EQ(EndAndTick(), "c");          // loop order: the same again
}

TEST_F(BgmControllerTest, NextWhilePausedOnlyLoadsPreviousLoadsAndPauses) {
  Start(0, {"a", "b", "c"});
  controller_.PauseBgm();
  slideshowPaused_ = true;
  controller_.SetArtworkLoaded(true);
  const int refreshes = labelRefreshes_;

  player_.calls.clear();
  controller_.NextBgm();
  EXPECT_EQ(player_.calls, (Calls{"Load(b)"}));
  EXPECT_EQ(controller_.CurrentBgmFile(), "b");
  EXPECT_FALSE(controller_.ArtworkLoaded());
  EXPECT_EQ(labelRefreshes_, refreshes + 1);

  player_.calls.clear();
  controller_.PrevBgm();
  EXPECT_EQ(player_.calls, (Calls{"Load(a)", "Pause"}));
  EXPECT_EQ(player_.State(), PlayerState::Paused);

  // Resume continues the paused track.
  slideshowPaused_ = false;
  player_.calls.clear();
  controller_.StartBgm();
  EXPECT_EQ(player_.calls, (Calls{"Play"}));
}

TEST_F(BgmControllerTest, AfterTheHandOverNextWhilePausedStaysSilentUntilResume) {
  existing_ = {"last", "a", "b"};
  controller_.HandOverLastPlayedBgm("last");
  EXPECT_FALSE(player_.autoStart);
  EXPECT_EQ(player_.calls, (Calls{"Load(last)"}));
  EXPECT_EQ(player_.State(), PlayerState::Ready);

  // A ready file is not resumed: the play list's track is started.
  lists_.BgmPlayList = {"a", "b"};
  controller_.StartBgm();
  EXPECT_EQ(player_.LastLoaded(), "a");
  EXPECT_EQ(player_.State(), PlayerState::Playing);

  controller_.PauseBgm();
  slideshowPaused_ = true;
  controller_.NextBgm();
  EXPECT_EQ(player_.State(), PlayerState::Ready);  // loaded, not playing
  slideshowPaused_ = false;
  player_.calls.clear();
  controller_.StartBgm();
  EXPECT_EQ(player_.calls, (Calls{"Load(b)", "Play"}));
}

TEST_F(BgmControllerTest, HandOverNeedsMusicOnAndAnExistingFile) {
  controller_.HandOverLastPlayedBgm("gone");
  controller_.SetUseBgm(false);
  existing_.insert("there");
  controller_.HandOverLastPlayedBgm("there");
  EXPECT_TRUE(player_.calls.empty());
  EXPECT_FALSE(player_.autoStart);
}

TEST_F(BgmControllerTest, NextAndPreviousNeedMoreThanOneEntry) {
  Start(0, {"only"});
  player_.calls.clear();
  controller_.NextBgm();
  controller_.PrevBgm();
  EXPECT_TRUE(player_.calls.empty());
}

TEST_F(BgmControllerTest, MissingFilesAreSkipped) {
  Start(0, {"a", "b", "c", "d"});
  existing_.erase("b");
  existing_.erase("c");
  // The watch moves one entry per tick until a file exists.
  player_.EndTrack();
  EndWatch().Tick();
  EXPECT_EQ(lists_.BgmPlayIndex, 1);
  EXPECT_EQ(player_.LastLoaded(), "a");  // the player is left as it is
  EXPECT_EQ(controller_.CurrentBgmFile(), "b");
  EndWatch().Tick();
  EXPECT_EQ(lists_.BgmPlayIndex, 2);
  EndWatch().Tick();
  EXPECT_EQ(player_.LastLoaded(), "d");

  // Next and previous jump over them at once.
  controller_.NextBgm();
  EXPECT_EQ(player_.LastLoaded(), "a");
  controller_.PrevBgm();
  EXPECT_EQ(player_.LastLoaded(), "d");
  controller_.PrevBgm();
  EXPECT_EQ(player_.LastLoaded(), "a");
}

TEST_F(BgmControllerTest, AMissingFirstTrackDoesNotKeepTheMusicSilent) {
  existing_ = {"b"};
  lists_.BgmPlayList = {"a", "b"};
  controller_.StartBgm();
  EXPECT_TRUE(player_.calls.empty());
  EndWatch().Tick();
  EXPECT_EQ(player_.LastLoaded(), "b");
  EXPECT_EQ(player_.State(), PlayerState::Playing);
}

TEST_F(BgmControllerTest, WhenNoFileExistsNextAndPreviousLeaveEverythingAsItIs) {
  Start(0, {"a", "b", "c"}, 1);
  existing_.clear();
  player_.calls.clear();
  controller_.NextBgm();
  controller_.PrevBgm();
  EXPECT_TRUE(player_.calls.empty());
  EXPECT_EQ(lists_.BgmPlayIndex, 1);

  // The watch keeps trying, one entry per tick, quietly.
  player_.EndTrack();
  for (int tick = 0; tick < 7; ++tick) EndWatch().Tick();
  EXPECT_EQ(lists_.BgmPlayIndex, (1 + 7) % 3);
  EXPECT_TRUE(player_.calls.empty());
  existing_.insert("a");
  EndWatch().Tick();
  EndWatch().Tick();
  EXPECT_EQ(player_.LastLoaded(), "a");
}

TEST_F(BgmControllerTest, VolumeCommands) {
  controller_.ApplyStoredVolume(150);
  EXPECT_EQ(controller_.BgmVolume(), 100);
  EXPECT_EQ(player_.volume, 100);
  controller_.ApplyStoredVolume(-5);
  EXPECT_EQ(controller_.BgmVolume(), 0);

  // Nothing loaded: the commands do nothing.
  controller_.VolumeUp();
  EXPECT_EQ(controller_.BgmVolume(), 0);
  EXPECT_TRUE(timerReady_.empty());

  Start(0, {"a", "b"});
  controller_.VolumeDown();
  EXPECT_EQ(controller_.BgmVolume(), 0);
  controller_.VolumeUp();
  EXPECT_EQ(controller_.BgmVolume(), 1);
  EXPECT_EQ(player_.volume, 1);
  controller_.ApplyStoredVolume(100);
  controller_.VolumeUp();
  EXPECT_EQ(controller_.BgmVolume(), 100);
  player_.position = "01:23";
  player_.duration = "04:56";
  controller_.VolumeReset();
  EXPECT_EQ(controller_.BgmVolume(), 50);
  EXPECT_EQ(stateTexts_.back(), "01:23/04:56 Playing Volume 050");
  EXPECT_EQ(timerReady_.back(), true);
  EXPECT_EQ(timerReady_[timerReady_.size() - 2], false);
}

TEST_F(BgmControllerTest, PlayTimeTickWritesTheRunningText) {
  Start(2, {"a", "b"});
  player_.duration = "04:56";
  PlayTime().Tick();
  EXPECT_EQ(stateTexts_.back(), "00:00/04:56 Playing Shuffle Volume 050");
}

TEST_F(BgmControllerTest, WithMusicOffNothingHappens) {
  controller_.SetUseBgm(false);
  Start(0, {"a", "b"});
  controller_.NextBgm();
  controller_.PrevBgm();
  controller_.PauseBgm();
  EndWatch().Tick();
  controller_.StopBgm();
  EXPECT_TRUE(player_.calls.empty());
  EXPECT_FALSE(controller_.MenuState().visible);
}

TEST_F(BgmControllerTest, MenuState) {
  struct Case {
    std::function<void(FakeMusicPlayer&)> arrange;
    bool paused;
    bool enabled;
  };
  const Case cases[] = {
      {[](FakeMusicPlayer&) {}, false, true},
      {[](FakeMusicPlayer& p) { p.Pause(); }, true, true},
      {[](FakeMusicPlayer& p) { p.EndTrack(); }, true, true},
      {[](FakeMusicPlayer& p) { p.EndTrack(); }, false, false},
      {[](FakeMusicPlayer& p) { p.Load(""); }, true, false},
  };
  Start(0, {"a", "b"});
  for (const Case& c : cases) {
    player_.Load("a");
    c.arrange(player_);
    slideshowPaused_ = c.paused;
    const BgmMenuState menu = controller_.MenuState();
    EXPECT_TRUE(menu.visible);
    EXPECT_EQ(menu.enabled, c.enabled);
  }
}

TEST_F(BgmControllerTest, StartingATrackClearsTheArtworkFlags) {
  Start(0, {"a", "b"});
  controller_.SetArtworkLoaded(true);
  controller_.SetArtworkFlipped(true);
  const int refreshes = labelRefreshes_;
  EndAndTick();
  EXPECT_FALSE(controller_.ArtworkLoaded());
  EXPECT_FALSE(controller_.ArtworkFlipped());
  EXPECT_EQ(labelRefreshes_, refreshes + 1);
}

}  // namespace
