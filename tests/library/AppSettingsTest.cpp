#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "library/AppSettings.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "platform/ScopedFileSizeLimit.h"
#include "platform/TextFile.h"

namespace {

struct AppSettingsFixture : ::testing::Test {
  QTemporaryDir dir;
  QString programFolder = dir.path() + "/";
  FakeUserDialogs dialogs;
  void WriteAppIni(const QStringList& lines) { ASSERT_TRUE(WriteTextLines(programFolder + "App.ini", lines)); }
};

TEST_F(AppSettingsFixture, MissingFileGivesEveryDefault) {
  const AppSettings s = ReadAppSettings(programFolder);
  EXPECT_EQ(s.Ver, "0");
  EXPECT_FALSE(s.AutoStart);
  EXPECT_TRUE(s.NoSaver);
  EXPECT_EQ(s.WMPVol, 50);
  EXPECT_EQ(s.QuilletDir, "");
  EXPECT_TRUE(s.RecentWorkFolders.isEmpty());
  EXPECT_EQ(s.LastSlideShowName, "");
}

TEST_F(AppSettingsFixture, ReadsEveryKeyAndClampsTheVolume) {
  QDir().mkpath(programFolder + "w1");
  QDir().mkpath(programFolder + "w2");
  QDir().mkpath(programFolder + "w4");
  WriteAppIni({"[App]", "Ver=1.3", "[Option]", "AutoStart=1", "NoSaver=0", "[Env]", "WMPVol=150", "[Import]",
               "QuilletDir=/opt/Tavenor/Quillet", "[Work]", "1=" + programFolder + "w1", "2=" + programFolder + "gone",
               "3=" + programFolder + "w2", "5=" + programFolder + "w4", "[SlideShow]", "LastSlideShowName=旅行"});
  const AppSettings s = ReadAppSettings(programFolder);
  EXPECT_EQ(s.Ver, "1.3");
  EXPECT_TRUE(s.AutoStart);
  EXPECT_FALSE(s.NoSaver);
  EXPECT_EQ(s.WMPVol, 100);
  EXPECT_EQ(s.QuilletDir, "/opt/Tavenor/Quillet");
  // Reading stops at the first empty key (4); a folder that is gone is dropped.
  EXPECT_EQ(s.RecentWorkFolders, (QStringList{programFolder + "w1", programFolder + "w2"}));
  EXPECT_EQ(s.LastSlideShowName, "旅行");

  WriteAppIni({"[Env]", "WMPVol=-5"});
  EXPECT_EQ(ReadAppSettings(programFolder).WMPVol, 0);
  WriteAppIni({"[Env]", "WMPVol=loud"});
  EXPECT_EQ(ReadAppSettings(programFolder).WMPVol, 50);
}

TEST_F(AppSettingsFixture, MalformedFileFallsBackToDefaults) {
  MakeFile(programFolder + "App.ini", QByteArray("\x00\xFF\x81[App\r\nVer\r\n=1.3\r\n[Option]AutoStart=1\n\x82", 40));
  const AppSettings s = ReadAppSettings(programFolder);
  EXPECT_EQ(s.Ver, "0");
  EXPECT_FALSE(s.AutoStart);
  EXPECT_EQ(s.WMPVol, 50);
}

TEST_F(AppSettingsFixture, WritesEveryKeyAndExactlyTenWorkFolders) {
  AppSettings s;
  s.Ver = "1.3";
  s.WMPVol = 70;
  s.RecentWorkFolders = {"/w/one", "/w/two"};
  s.LastSlideShowName = "旅行";
  ASSERT_TRUE(WriteAppSettings(programFolder, s, dialogs));
  const std::optional<QStringList> lines = ReadTextLines(programFolder + "App.ini");
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (QStringList{"[App]", "Ver=1.3", "[Option]", "AutoStart=0", "NoSaver=1", "[Env]", "WMPVol=70",
                                 "[Import]", "QuilletDir=", "[Work]", "1=/w/one", "2=/w/two", "3=", "4=", "5=", "6=",
                                 "7=", "8=", "9=", "10=", "[SlideShow]", "LastSlideShowName=旅行"}));
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(AppSettingsFixture, FailedWriteIsReportedAndKeepsTheOldFile) {
  WriteAppIni({"[App]", "Ver=1.2"});
  const QByteArray before = FileBytes(programFolder + "App.ini");
  AppSettings s;
  {
    ScopedFileSizeLimit full;
    EXPECT_FALSE(WriteAppSettings(programFolder, s, dialogs));
  }
  EXPECT_EQ(FileBytes(programFolder + "App.ini"), before);
  EXPECT_EQ(dialogs.errors, QStringList{programFolder + "App.ini に書き込めません"});
}

TEST(SettingsVersion, OlderMeansLowerInPlainCharacterOrder) {
  for (const char* v : {"0", "", "1.2", "1.10", "1.29", "0.9"}) EXPECT_TRUE(IsOlderSettingsVersion(v)) << v;
  for (const char* v : {"1.3", "1.30", "1.4", "2", "a"}) EXPECT_FALSE(IsOlderSettingsVersion(v)) << v;
}

}  // namespace
