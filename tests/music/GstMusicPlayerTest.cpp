// The real GStreamer player on small generated files of each music type,
// played into a null sink in real time.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <thread>
#include <vector>

#include "AudioFixtures.h"
#include "music/GstMusicPlayer.h"

namespace {

struct Failure {
  QString path;
  QString detail;
};

class GstMusicPlayerTest : public ::testing::Test {
 protected:
  GstMusicPlayerTest()
      : player_([this](const QString& path, const QString& detail) { failures_.push_back({path, detail}); },
                GstMusicPlayer::AudioOutput::Null) {}

  std::string PathOf(const char* name) const { return dir_.filePath(name).toStdString(); }

  // Polls like the program's 100 ms watch (faster here) until the state is
  // reached or the time is up; returns the well-formedness of every
  // position and duration text seen on the way.
  bool WaitFor(PlayerState wanted, double seconds, bool* textsWellFormed = nullptr, QString* lastDuration = nullptr) {
    static const QRegularExpression mmss("^\\d\\d:\\d\\d$");
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
      const PlayerState state = player_.State();
      const QString position = player_.PositionText();
      const QString duration = player_.DurationText();
      if (textsWellFormed != nullptr) {
        if (!position.isEmpty() && !mmss.match(position).hasMatch()) *textsWellFormed = false;
        if (!duration.isEmpty() && !mmss.match(duration).hasMatch()) *textsWellFormed = false;
      }
      if (lastDuration != nullptr && !duration.isEmpty()) *lastDuration = duration;
      if (state == wanted) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }

  QTemporaryDir dir_;
  std::vector<Failure> failures_;
  GstMusicPlayer player_;
};

struct FormatCase {
  const char* name;
  const char* file;
  const char* encoder;  // empty: written directly
};

class GstMusicPlayerFormats : public GstMusicPlayerTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(GstMusicPlayerFormats, PlaysToTheEndAndReportsStopped) {
  const FormatCase& c = GetParam();
  const std::string path = PathOf(c.file);
  const std::string file = c.file;
  if (file.ends_with(".wav")) {
    WriteWavTone(path, 1.5);
  } else if (file.ends_with(".mid")) {
    WriteMidiTune(path, 3);
  } else {
    const std::string why = EncodeTone(path, c.encoder, 1.5);
    if (!why.empty()) GTEST_SKIP() << "cannot make the " << c.name << " file: " << why;
  }

  player_.Load(QString::fromStdString(path));
  EXPECT_EQ(player_.Url(), QString::fromStdString(path));
  EXPECT_EQ(player_.State(), PlayerState::Playing);
  bool wellFormed = true;
  QString duration;
  ASSERT_TRUE(WaitFor(PlayerState::Stopped, 15, &wellFormed, &duration)) << c.name << " never ended";
  EXPECT_TRUE(failures_.empty()) << failures_.front().detail.toStdString();
  EXPECT_TRUE(wellFormed);
  EXPECT_TRUE(duration == "00:01" || duration == "00:02") << duration.toStdString();
  // Played to its end: no position, the length is still known.
  EXPECT_EQ(player_.PositionText(), "");
  EXPECT_FALSE(player_.DurationText().isEmpty());

  // A stopped track plays again from its beginning.
  player_.Play();
  EXPECT_EQ(player_.State(), PlayerState::Playing);
  EXPECT_TRUE(WaitFor(PlayerState::Stopped, 15));
}

INSTANTIATE_TEST_SUITE_P(EachMusicType, GstMusicPlayerFormats,
                         ::testing::Values(FormatCase{"WAV", "tone.wav", ""}, FormatCase{"MIDI", "tune.mid", ""},
                                           FormatCase{"MP3", "tone.mp3", "lamemp3enc"},
                                           FormatCase{"WMA", "tone.wma", "avenc_wmav2 ! asfmux"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GstMusicPlayerTest, PauseKeepsThePositionAndPlayResumes) {
  const std::string path = PathOf("long.wav");
  WriteWavTone(path, 4);
  player_.Load(QString::fromStdString(path));
  for (int i = 0; i < 250 && player_.PositionText() != "00:01"; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  player_.Pause();
  EXPECT_EQ(player_.State(), PlayerState::Paused);
  const QString paused = player_.PositionText();
  EXPECT_EQ(paused, "00:01");
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  EXPECT_EQ(player_.PositionText(), paused);
  player_.Play();
  EXPECT_TRUE(WaitFor(PlayerState::Stopped, 10));
}

TEST_F(GstMusicPlayerTest, WithoutAutoStartALoadedFileIsReadyWithItsLength) {
  const std::string path = PathOf("ready.wav");
  WriteWavTone(path, 2.2);
  player_.SetAutoStart(false);
  player_.Load(QString::fromStdString(path));
  EXPECT_EQ(player_.State(), PlayerState::Ready);
  QString duration;
  for (int i = 0; i < 100 && duration.isEmpty(); ++i) {
    duration = player_.DurationText();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(duration, "00:02");
  EXPECT_EQ(player_.PositionText(), "");
  player_.Play();
  EXPECT_EQ(player_.State(), PlayerState::Playing);
}

TEST_F(GstMusicPlayerTest, StopCloseAndUnload) {
  const std::string path = PathOf("stop.wav");
  WriteWavTone(path, 3);
  player_.Load(QString::fromStdString(path));
  player_.Stop();
  EXPECT_EQ(player_.State(), PlayerState::Stopped);
  player_.Close();
  EXPECT_EQ(player_.State(), PlayerState::Undefined);
  EXPECT_EQ(player_.Url(), "");
  EXPECT_EQ(player_.DurationText(), "");
  player_.Load(QString::fromStdString(path));
  player_.Load("");
  EXPECT_EQ(player_.State(), PlayerState::Undefined);
  EXPECT_EQ(player_.Url(), "");
  // Nothing loaded: the commands are harmless.
  player_.Play();
  player_.Pause();
  player_.Stop();
  EXPECT_EQ(player_.State(), PlayerState::Undefined);
}

TEST_F(GstMusicPlayerTest, BrokenFileIsReportedOnceAndCountsAsEnded) {
  const std::string path = PathOf("broken.mp3");
  {
    std::ofstream out(path, std::ios::binary);
    out << "this is not music at all, only words in a file named like music";
  }
  for (int round = 0; round < 2; ++round) {
    player_.Load(QString::fromStdString(path));
    ASSERT_TRUE(WaitFor(PlayerState::Stopped, 10)) << "a broken file must end like a played one";
  }
  ASSERT_EQ(failures_.size(), 1u);
  EXPECT_EQ(failures_[0].path, QString::fromStdString(path));
  EXPECT_FALSE(failures_[0].detail.isEmpty());

  player_.Load(QString::fromStdString(PathOf("does-not-exist.wav")));
  EXPECT_TRUE(WaitFor(PlayerState::Stopped, 10));
  EXPECT_EQ(failures_.size(), 2u);
}

TEST_F(GstMusicPlayerTest, VolumeIsClampedAndKeptAcrossFiles) {
  player_.SetVolume(150);
  EXPECT_EQ(player_.Volume(), 100);
  player_.SetVolume(-5);
  EXPECT_EQ(player_.Volume(), 0);
  player_.SetVolume(50);
  EXPECT_EQ(player_.Volume(), 50);
}

TEST(FormatPlayTime, MinutesAndSeconds) {
  EXPECT_EQ(FormatPlayTime(0), "00:00");
  EXPECT_EQ(FormatPlayTime(83LL * 1000000000), "01:23");
  EXPECT_EQ(FormatPlayTime(296'999'999'999LL), "04:56");
  EXPECT_EQ(FormatPlayTime(6000LL * 1000000000), "100:00");
  EXPECT_EQ(FormatPlayTime(-1), "00:00");
}

}  // namespace
