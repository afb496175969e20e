#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/OptionControlStates.h"
#include "library/SlideshowOptionsFile.h"
#include "platform/IniFile.h"

namespace {

QString SourceFile(const char* relative) {
  return QString::fromLocal8Bit(qgetenv("BRINMORA_SOURCE_DIR")) + "/" + relative;
}

SlideshowOptions ReadFrom(const QStringList& lines) {
  SlideshowOptions o;
  ReadSlideshowOptions(IniFile::FromLines(QString(), lines), o, nullptr);
  return o;
}

// Two option sets are equal when they write the same file.
QStringList Written(const SlideshowOptions& o) {
  IniFile ini = IniFile::FromLines(QString(), {});
  WriteSlideshowOptions(ini, o, nullptr);
  return ini.Lines();
}

TEST(SlideIni, WrittenFromNothingIsTheExpectedFileByteForByte) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Slide.ini");
  IniFile ini(path);
  FakeUserDialogs dialogs;
  WriteSlideshowOptions(ini, SlideshowOptions(), &dialogs);
  ASSERT_TRUE(ini.Save());
  EXPECT_EQ(FileBytes(path), FileBytes(SourceFile("tests/library/data/DefaultSlide.ini")));
  EXPECT_EQ(dialogs.pendingMessageRuns, 22 + 19 + 22) << "messages run after each check item";
}

TEST(SlideIni, MissingFileReadsEveryDefault) {
  SlideshowOptions changed;
  changed.Interval = 30;
  changed.ImgCheck[4] = false;
  changed.ArtName = "x.png";
  changed.LastPlayDir = "/x";
  ReadSlideshowOptions(IniFile(QStringLiteral("/nonexistent/Slide.ini")), changed, nullptr);
  EXPECT_EQ(Written(changed), Written(SlideshowOptions()));
  EXPECT_EQ(SlideTimerInterval(changed), 8000);
}

TEST(SlideIni, WhatIsWrittenReadsBackTheSame) {
  SlideshowOptions o;
  o.Interval = 2;
  o.Unit = 1;
  o.UseLabel = false;
  o.cbDir = 3;
  o.cbImg = 1;
  o.UseLimit = true;
  o.LimitNum = 7;
  o.cbBGM = 2;
  o.UseBGM = false;
  o.ImgEffect = 20;
  o.SlideEffect = 9;
  o.ImgCheck[0] = o.ImgCheck[21] = false;
  o.SlideCheck[18] = false;
  o.TimingIdx = 2;
  o.ChangeNum = 55;
  o.IncreaseIdx = 2;
  o.IncreaseCheck[3] = false;
  o.IncFrame = 2;
  o.PhotoLongSize = 300;
  o.IncRotate = false;
  o.Date = true;
  o.Guide = false;
  o.ArtName = "folder art.jpg";
  o.ArtSize = 4;
  o.ArtEffect = 0;
  o.SelectGName = 0;
  o.GGroupPos = 3;
  o.TitleTag = 7;
  o.BkColor = 0x123456;
  o.LastPlayName = "/p/写真/a.jpg";
  o.LastPlayDir = "/p/写真";
  o.LastPlayBGM = "/m/s.mp3";
  const SlideshowOptions back = ReadFrom(Written(o));
  EXPECT_EQ(Written(back), Written(o));
  EXPECT_EQ(SlideTimerInterval(back), 120000);
}

TEST(SlideIni, ReadingClampsRangesAndLooksItemsUpByText) {
  const SlideshowOptions o = ReadFrom({
      "[Option]", "Interval=999", "LimitNum=0", "cbDir=ループ", "cbImg=しゃっふる", "cbBGM=",
      "ImgEffect=フェイクhdr", "SlideEffect=ないもの",
      "[Effect]", "ChangeNum=1000", "PhotoLongSize=100", "IncreaseIdx=セピア", "IncFrame=ポラロイド",
      "[Label]", "ArtName=",
  });
  EXPECT_EQ(o.Interval, 60);
  EXPECT_EQ(o.LimitNum, 1);
  EXPECT_EQ(o.cbDir, 3);
  EXPECT_EQ(o.cbImg, 0) << "an unmatched text leaves the default";
  EXPECT_EQ(o.cbBGM, 0);
  EXPECT_EQ(o.ImgEffect, 20) << "letter case is ignored";
  EXPECT_EQ(o.SlideEffect, 19);
  EXPECT_EQ(o.ChangeNum, 100);
  EXPECT_EQ(o.PhotoLongSize, 200);
  EXPECT_EQ(o.IncreaseIdx, 2);
  EXPECT_EQ(o.IncFrame, 2);
  EXPECT_EQ(o.ArtName, "") << "present but empty is not the default";
  EXPECT_EQ(ReadFrom({"[Option]", "Interval=-3"}).Interval, 1);
  EXPECT_EQ(ReadFrom({"[Effect]", "PhotoLongSize=9999"}).PhotoLongSize, 500);
  EXPECT_EQ(ReadFrom({}).ArtName, "cover.jpg");
}

TEST(SlideIni, CheckItemsAreFoundByTheirTextNotTheirKey) {
  const SlideshowOptions o = ReadFrom({
      "[Effect]",
      "ImgCheck5=0モノトーン",       // turns item 3 off
      "ImgCheck0=xグレースケール",   // neither 1 nor 0: ignored
      "ImgCheck1=0存在しない",       // no such item: ignored
      "ImgCheck2=0",                 // empty text names nothing
      "SlideCheck0=0メルト",
      "SlideCheck1=0フェードイン/アウト",
      "SlideCheck2=1フェードイン/アウト",  // a later key for the same item wins
      "IncreaseCheck21=0なし",
      "ImgCheck30=0セピア",          // beyond the item count: never read
  });
  for (int i = 0; i < kFilterCount; ++i) EXPECT_EQ(o.ImgCheck[i], i != 3) << i;
  for (int i = 0; i < kTransitionCount; ++i) EXPECT_EQ(o.SlideCheck[i], i != 18) << i;
  for (int i = 0; i < kFilterCount; ++i) EXPECT_EQ(o.IncreaseCheck[i], i != 0) << i;
}

TEST(SlideIni, IndicesOutsideTheItemsSelectNothingAndAreWrittenBackSo) {
  const SlideshowOptions o = ReadFrom({"[Option]", "Unit=5", "[Effect]", "TimingIdx=3", "[Label]", "ArtSize=-2",
                                       "ArtEffect=3", "SelectGName=2", "GGroupPos=4", "TitleTag=8"});
  EXPECT_EQ(o.Unit, -1);
  EXPECT_EQ(o.TimingIdx, -1);
  EXPECT_EQ(o.ArtSize, -1);
  EXPECT_EQ(o.ArtEffect, -1);
  EXPECT_EQ(o.SelectGName, -1);
  EXPECT_EQ(o.GGroupPos, -1);
  EXPECT_EQ(o.TitleTag, -1);
  EXPECT_EQ(SlideTimerInterval(o), 8000) << "no unit counts as seconds";
  const QStringList lines = Written(o);
  for (const char* key : {"Unit=-1", "TimingIdx=-1", "ArtSize=-1", "ArtEffect=-1", "SelectGName=-1", "GGroupPos=-1",
                          "TitleTag=-1"}) {
    EXPECT_TRUE(lines.contains(key)) << key;
  }
  EXPECT_EQ(ReadFrom({"[Option]", "Unit=abc"}).Unit, 0) << "unparsable gives the default";
}

TEST(SlideIni, MalformedFileReadsDefaults) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Slide.ini");
  MakeFile(path, QByteArray("\xFF\xFE[Opt\x81\r\n=\r\n[Option\r\nInterval==\r\n\x00\x01\x02", 32));
  SlideshowOptions o;
  ReadSlideshowOptions(IniFile(path), o, nullptr);
  EXPECT_EQ(Written(o), Written(SlideshowOptions()));
}

TEST(OptionControls, EnableRulesOfTheDependentControls) {
  struct Case {
    int cbImg;
    bool useLimit;
    int timing;
    OptionControlStates expected;
  };
  const std::vector<Case> cases = {
      {0, false, 0, {true, true, false, true}},
      {0, true, 1, {true, true, true, false}},
      {2, true, 2, {true, true, true, true}},
      {3, true, 0, {false, false, false, true}},
      {3, false, 1, {false, false, false, false}},
      {-1, true, -1, {true, true, true, true}},
  };
  for (const Case& c : cases) {
    SlideshowOptions o;
    o.cbImg = c.cbImg;
    o.UseLimit = c.useLimit;
    o.TimingIdx = c.timing;
    const OptionControlStates s = ComputeOptionControlStates(o);
    EXPECT_EQ(s.FolderOrderEnabled, c.expected.FolderOrderEnabled) << c.cbImg;
    EXPECT_EQ(s.UseLimitEnabled, c.expected.UseLimitEnabled) << c.cbImg;
    EXPECT_EQ(s.LimitNumEnabled, c.expected.LimitNumEnabled) << c.cbImg << c.useLimit;
    EXPECT_EQ(s.ChangeNumEnabled, c.expected.ChangeNumEnabled) << c.timing;
  }
  EXPECT_FALSE(ComputeOptionControlStates(ReadFrom({"[Option]", "cbImg=シャッフル（全画像）", "UseLimit=1"}))
                   .FolderOrderEnabled);
}

TEST(DisplayColours, ReadFromTheColorSectionAndResetKeepsTheSlideNamePair) {
  DisplayColours c;
  ReadDisplayColours(IniFile::FromLines(QString(), {"[Color]", "SlideNameFColor=1", "SlideNameColor=2",
                                                      "GNameColor=255", "GuideFColor=junk", "BkColor=7"}),
                     c);
  const DisplayColours d;
  EXPECT_EQ(c.SlideNameFColor, 1u);
  EXPECT_EQ(c.SlideNameColor, 2u);
  EXPECT_EQ(c.GNameColor, 255u);
  EXPECT_EQ(c.GuideFColor, d.GuideFColor);
  EXPECT_EQ(c.ExifColor, d.ExifColor);

  SlideshowOptions o;
  o.BkColor = 0xFFFFFF;
  o.Colours = c;
  ResetDisplayColours(o);
  EXPECT_EQ(o.BkColor, 0u);
  EXPECT_EQ(o.Colours.SlideNameFColor, 1u);
  EXPECT_EQ(o.Colours.SlideNameColor, 2u);
  EXPECT_EQ(o.Colours.GNameColor, d.GNameColor);
}

}  // namespace
