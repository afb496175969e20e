#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "library/FakeLibraryView.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/OptionsReset.h"
#include "library/SlideshowLibrary.h"
#include "library/SlideshowOptionsFile.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

namespace {

struct OptionsResetTest : ::testing::Test {
  QTemporaryDir dir;
  QString programFolder = dir.path() + "/";
  FakeUserDialogs dialogs;
  FakeLibraryView view;
  SlideshowLibrary library{programFolder, dialogs};
  AppSettings settings;

  QString Folder() { return programFolder + "SlideShow/旅行/"; }

  void SetUp() override {
    library.SetView(&view);
    QDir().mkpath(Folder());
    MakeImageFolder(dir.path() + "/Photos/A");
    MakeImageFolder(dir.path() + "/Photos/B", "b.png");
    ASSERT_TRUE(WriteTextLines(Folder() + "DIR.dat", {dir.path() + "/Photos/A,1", dir.path() + "/Photos/B,0"}));
    // Far from the defaults everywhere: minutes, orders, limit, effects,
    // labels, colours, and a resume point.
    ASSERT_TRUE(WriteTextLines(Folder() + "Slide.ini",
                               {"[Option]", "Interval=3", "Unit=1", "UseLabel=0", "cbDir=ランダム", "UseLimit=1",
                                "LimitNum=7", "UseBGM=0", "ImgEffect=セピア", "[Effect]", "Shuffle1=0",
                                "TimingIdx=1", "PhotoLongSize=300", "[Label]", "Date=1", "ArtName=folder.jpg",
                                "GGroupPos=3", "[Color]", "BkColor=255", "GuideColor=65280", "SlideNameFColor=1",
                                "[List]", "LastPlayName=" + dir.path() + "/Photos/A/a.jpg",
                                "LastPlayDir=" + dir.path() + "/Photos/A", "LastPlayBGM=/music/x.mp3"}));
    library.LoadSlideshow("旅行");
    library.ReadDisplayColours();
    settings.AutoStart = true;
    settings.NoSaver = false;
    settings.WMPVol = 80;
  }

  QByteArray WrittenOptions(const SlideshowOptions& options) {
    const QString path = dir.path() + "/written.ini";
    QFile::remove(path);
    IniFile ini(path);
    WriteSlideshowOptions(ini, options, nullptr);
    EXPECT_TRUE(ini.Save());
    return FileBytes(path);
  }
};

TEST_F(OptionsResetTest, EveryOptionReturnsToItsDefaultButListsAndResumePointStay) {
  ASSERT_EQ(library.Options().Interval, 3);
  ASSERT_EQ(library.Options().Unit, 1);
  ASSERT_EQ(library.Options().BkColor, 255u);
  const FolderList folders = library.Folders();
  const SlideshowOptions before = library.Options();
  int shown = 0;

  ASSERT_TRUE(ResetAllOptions(library, settings, dialogs, [&] { ++shown; }));
  EXPECT_EQ(dialogs.questions, QStringList{kResetOptionsQuestion});
  EXPECT_EQ(dialogs.informations, QStringList{kResetOptionsDone});
  EXPECT_EQ(shown, 1);

  // Written out, the options are those of a slideshow made from nothing with
  // the same resume point.
  SlideshowOptions fresh;
  fresh.LastPlayName = before.LastPlayName;
  fresh.LastPlayDir = before.LastPlayDir;
  fresh.LastPlayBGM = before.LastPlayBGM;
  EXPECT_EQ(WrittenOptions(library.Options()), WrittenOptions(fresh));
  EXPECT_EQ(SlideTimerInterval(library.Options()), 8000);
  EXPECT_EQ(library.Options().Colours.SlideNameFColor, 8454016u);

  EXPECT_EQ(library.Folders(), folders);
  EXPECT_FALSE(library.CurrentFolderImages().isEmpty());
  EXPECT_FALSE(settings.AutoStart);
  EXPECT_TRUE(settings.NoSaver);
  EXPECT_EQ(settings.WMPVol, 50);
}

TEST_F(OptionsResetTest, CancelChangesNothing) {
  dialogs.answer = false;
  const QByteArray before = WrittenOptions(library.Options());
  int shown = 0;
  EXPECT_FALSE(ResetAllOptions(library, settings, dialogs, [&] { ++shown; }));
  EXPECT_EQ(WrittenOptions(library.Options()), before);
  EXPECT_EQ(shown, 0);
  EXPECT_TRUE(dialogs.informations.isEmpty());
  EXPECT_TRUE(settings.AutoStart);
  EXPECT_EQ(settings.WMPVol, 80);
}

}  // namespace
