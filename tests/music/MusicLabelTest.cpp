// The texts of the music title and play-state labels.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "TagFixtures.h"
#include "display/MusicLabel.h"

namespace {

TEST(MusicTitle, EachTitleTagLayout) {
  const BgmTag tag{"T", "A", "D"};
  const char* expected[] = {"A / T", "A - T", "A / T / D", "A - T - D", "T / A", "T - A", "T / A / D", "T - A - D"};
  for (int titleTag = 0; titleTag < 8; ++titleTag) {
    EXPECT_EQ(ComposeBgmTitle("/m/D/song.mp3", 2, 10, titleTag, tag), QString::fromUtf8("♪03/10. ") + expected[titleTag])
        << titleTag;
  }
}

TEST(MusicTitle, FileNameWhenTheTagsDoNotServe) {
  struct Case {
    const char* file;
    BgmTag tag;
    const char* expected;
  };
  const Case cases[] = {
      {"/m/D/Song.Live.MP3", {"T", "", "D"}, "♪03/10. Song.Live"},  // no artist
      {"/m/D/song.mp3", {"", "A", "D"}, "♪03/10. song"},             // no title
      {"/m/D/tune.wav", {"T", "A", "D"}, "♪03/10. tune"},            // only MP3 tags count
      {"/m/D/tune.wma", {"T", "A", "D"}, "♪03/10. tune"},
      {"/m/D/tune.mid", {}, "♪03/10. tune"},
      {"/m/Tom & Jerry/a&b", {}, "♪03/10. a&b"},
  };
  for (const Case& c : cases) EXPECT_EQ(ComposeBgmTitle(c.file, 2, 10, 2, c.tag), QString::fromUtf8(c.expected)) << c.file;
}

TEST(MusicTitle, ReadsTheTagsOfTheFileWithTheFolderForAMissingAlbum) {
  QTemporaryDir dir;
  QDir(dir.path()).mkdir("D");
  const QString path = dir.filePath("D/track.mp3");
  WriteFile(path.toStdString(), Concat({Id3v2(3, Concat({Frame(3, "TIT2", Latin(Ascii("T"))), Frame(3, "TPE1", Latin(Ascii("A")))})),
                                        Bytes(200, 0)}));
  EXPECT_EQ(BgmTitleText(path, 2, 10, 2), QString::fromUtf8("♪03/10. A / T / D"));
}

TEST(MusicTitle, NumberingDigitsFollowTheTotal) {
  struct Case {
    int n, total;
    const char* expected;
  };
  const Case cases[] = {{3, 12, "03/12"},        {1, 99, "01/99"},          {3, 120, "003/120"},
                        {1, 1000, "0001/1000"},  {7, 10000, "00007/10000"}, {42, 999999, "000042/999999"},
                        {5, 1000000, "5/1000000"}, {1, 1, "01/01"}};
  for (const Case& c : cases) EXPECT_EQ(FormatBgmCount(c.n, c.total), c.expected);
}

TEST(PlayStateText, LayoutText) {
  EXPECT_EQ(BgmStateLayoutText(PlayerState::Paused, 3), "--:--/--:-- Paused Loop Volume 000");
  EXPECT_EQ(BgmStateLayoutText(PlayerState::Playing, 2), "--:--/--:-- Playing Shuffle Volume 000");
  EXPECT_EQ(BgmStateLayoutText(PlayerState::Stopped, 0), "--:--/--:-- Stopped Volume 000");
  EXPECT_EQ(BgmStateLayoutText(PlayerState::Ready, 1), "--:--/--:-- Playing Volume 000");
}

TEST(PlayStateText, RunningText) {
  struct Case {
    const char* position;
    const char* duration;
    PlayerState state;
    int order, volume;
    const char* expected;
  };
  const Case cases[] = {
      {"01:23", "04:56", PlayerState::Playing, 2, 50, "01:23/04:56 Playing Shuffle Volume 050"},
      {"", "04:56", PlayerState::Playing, 0, 50, "00:00/04:56 Playing Volume 050"},
      {"", "", PlayerState::Ready, 3, 100, "00:00/00:00 Ready Loop Volume 100"},
      {"", "03:00", PlayerState::Stopped, 1, 0, "00:00/03:00 Stopped Volume 000"},
      {"00:10", "03:00", PlayerState::Paused, 0, 7, "00:10/03:00 Paused Volume 007"},
      {"", "", PlayerState::Undefined, 0, 50, "00:00/00:00 Ready Volume 050"},
      {"", "", PlayerState::Buffering, 0, 50, "00:00/00:00 Ready Volume 050"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BgmStateRunningText(c.position, c.duration, c.state, c.order, c.volume), c.expected);
  EXPECT_EQ(BgmStateReadyText(2, 50), "00:00/00:00 Ready Shuffle Volume 050");
  EXPECT_EQ(BgmStateReadyText(0, 5), "00:00/00:00 Ready Volume 005");
}

}  // namespace
