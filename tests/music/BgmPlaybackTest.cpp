// The music controller driving the real GStreamer player from Qt timers, as
// in the running program: tracks follow each other at their end, the
// play-state label counts, and pause and resume continue the track.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "AudioFixtures.h"
#include "display/MusicLabel.h"
#include "music/BgmController.h"
#include "music/GstMusicPlayer.h"
#include "platform/QtTimer.h"

namespace {

QCoreApplication& App() {
  static int argc = 1;
  static char name[] = "test_music";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

// Runs the event loop until `done` holds or the time is up.
bool RunUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

void RunFor(int ms) { RunUntil([] { return false; }, ms); }

TEST(BgmPlayback, TracksFollowAtTheirEndAndPauseResumes) {
  App();
  QTemporaryDir dir;
  const QString first = dir.filePath("first.wav"), second = dir.filePath("second.wav");
  WriteWavTone(first.toStdString(), 1.3);
  WriteWavTone(second.toStdString(), 2.6);

  std::vector<QString> failures;
  GstMusicPlayer player([&](const QString& path, const QString&) { failures.push_back(path); },
                        GstMusicPlayer::AudioOutput::Null);
  QtTimerFactory timers;
  QString stateLabel;
  std::vector<QString> titles;
  bool paused = false;
  BgmController* self = nullptr;
  PlayLists lists;
  lists.BgmPlayList = {first, second};
  BgmControllerHooks hooks;
  hooks.showPlayState = [&](const QString& text) { stateLabel = text; };
  hooks.refreshLabels = [&] {
    titles.push_back(BgmTitleText(self->CurrentBgmFile(), lists.BgmPlayIndex, lists.BgmPlayList.size(), 0));
  };
  hooks.slideshowPaused = [&] { return paused; };
  BgmController controller(player, lists, timers, hooks);
  self = &controller;
  controller.SetBgmListHasRows(true);
  controller.SetOrder(0);
  controller.StartBgm();
  EXPECT_EQ(stateLabel, "00:00/00:00 Ready Volume 050");

  // The first track ends by itself and the second follows.
  ASSERT_TRUE(RunUntil([&] { return player.Url() == second; }, 8000));
  EXPECT_EQ(titles, (std::vector<QString>{QString::fromUtf8("♪01/02. first"), QString::fromUtf8("♪02/02. second")}));
  ASSERT_TRUE(RunUntil([&] { return stateLabel == "00:01/00:02 Playing Volume 050"; }, 3000)) << stateLabel.toStdString();

  // Pausing holds the position; the label keeps running and says so.
  paused = true;
  controller.PauseBgm();
  RunFor(800);
  EXPECT_EQ(stateLabel, "00:01/00:02 Paused Volume 050");
  EXPECT_EQ(player.Url(), second);

  // Resuming continues the same track to its end, then the list starts over.
  paused = false;
  controller.StartBgm();
  ASSERT_TRUE(RunUntil([&] { return stateLabel.contains("Playing"); }, 3000));
  EXPECT_FALSE(stateLabel.startsWith("00:00")) << "the track started over instead of continuing";
  EXPECT_EQ(player.Url(), second);
  ASSERT_TRUE(RunUntil([&] { return player.Url() == first; }, 8000));

  controller.StopBgm();
  EXPECT_EQ(player.State(), PlayerState::Undefined);
  EXPECT_TRUE(failures.empty());
}

}  // namespace

namespace {

// Next while the slideshow is paused only loads the chosen track. Every
// slideshow load switches the player's auto-start off, so in the program the
// track waits, ready and silent, until the slideshow resumes and starts it
// from its beginning; a player still on auto-start begins at the load.
TEST(BgmPlayback, NextWhilePausedLoadsTheTrackAndTheAutoStartSettingDecides) {
  App();
  QTemporaryDir dir;
  const QString first = dir.filePath("first.wav"), second = dir.filePath("second.wav");
  WriteWavTone(first.toStdString(), 3.0);
  WriteWavTone(second.toStdString(), 3.0);
  for (bool autoStart : {false, true}) {
    SCOPED_TRACE(autoStart ? "auto-start on" : "auto-start off (after a slideshow load)");
    GstMusicPlayer player([](const QString&, const QString&) {}, GstMusicPlayer::AudioOutput::Null);
    QtTimerFactory timers;
    bool paused = false;
    PlayLists lists;
    lists.BgmPlayList = {first, second};
    BgmControllerHooks hooks;
    hooks.slideshowPaused = [&] { return paused; };
    BgmController controller(player, lists, timers, hooks);
    controller.SetBgmListHasRows(true);
    controller.SetOrder(0);
    player.SetAutoStart(autoStart);
    controller.StartBgm();
    ASSERT_TRUE(RunUntil([&] { return player.PositionText() == "00:01"; }, 4000));

    paused = true;
    controller.PauseBgm();
    controller.NextBgm();
    EXPECT_EQ(player.Url(), second);
    RunFor(1300);
    if (autoStart) {
      EXPECT_EQ(player.State(), PlayerState::Playing);
      EXPECT_NE(player.PositionText(), "00:00");
    } else {
      EXPECT_EQ(player.State(), PlayerState::Ready);
      EXPECT_TRUE(player.PositionText().isEmpty() || player.PositionText() == "00:00") << player.PositionText().toStdString();
      paused = false;
      controller.StartBgm();  // resume: the chosen track starts from its beginning
      ASSERT_TRUE(RunUntil([&] { return player.State() == PlayerState::Playing; }, 3000));
      EXPECT_EQ(player.Url(), second);
      ASSERT_TRUE(RunUntil([&] { return player.PositionText() == "00:01"; }, 4000));
    }
    controller.StopBgm();
  }
}

}  // namespace
