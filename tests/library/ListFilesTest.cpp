#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTemporaryFile>

#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/ListFiles.h"
#include "platform/Cp932.h"
#include "platform/ScopedFileSizeLimit.h"
#include "platform/TextFile.h"

namespace {

struct ListFilesFixture : ::testing::Test {
  QTemporaryDir dir;
  QString base = dir.path();
  QString slideshowFolder = base + "/SlideShow/旅行/";
  QString dirDat = slideshowFolder + "DIR.dat";
  QString bgmDat = slideshowFolder + "BGM.dat";
  FakeUserDialogs dialogs;

  void SetUp() override { QDir().mkpath(slideshowFolder); }
  void WriteLines(const QString& path, const QStringList& lines) { ASSERT_TRUE(WriteTextLines(path, lines)); }
};

TEST_F(ListFilesFixture, FolderRowsLoadWithNameLocationAndCheckMark) {
  MakeImageFolder(base + "/Photos/Trip");
  MakeImageFolder(base + "/My Photos/a,b");
  MakeImageFolder(slideshowFolder + "IMG/Data Trip");
  QDir().mkpath(base + "/Photos/Empty");
  MakeFile(base + "/Photos/NoImages/readme.txt");
  WriteLines(dirDat, {
                         base + "/Photos/Trip,0",
                         base + "/Photos/Trip",                     // no comma: checked
                         "\"" + base + "/My Photos/a,b\",1",
                         "\"Data Trip\",1",
                         base + "/Photos/Trip,1,extra",             // more than two fields: unchecked
                         base + "/Photos/Trip,yes",                 // malformed flag: unchecked
                         base + "/Photos/Empty,1",                  // no images: dropped
                         base + "/Photos/NoImages,1",
                         base + "/Photos/Gone,1",                   // missing: dropped
                         "C:\\Photos\\Trip,1",                      // a Windows path names nothing here
                         "",
                     });
  const FolderList list = ReadFolderListFile(dirDat, slideshowFolder, &dialogs);
  const FolderList expected = {
      {false, "Trip", base + "/Photos"},
      {true, "Trip", base + "/Photos"},
      {true, "a,b", base + "/My Photos"},
      {true, "Data Trip", "(データフォルダ)"},
      {false, "Trip", base + "/Photos"},
      {false, "Trip", base + "/Photos"},
  };
  ASSERT_EQ(list.size(), expected.size());
  for (int i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i].IsChecked, expected[i].IsChecked) << i;
    EXPECT_EQ(list[i].Name, expected[i].Name) << i;
    EXPECT_EQ(list[i].Location, expected[i].Location) << i;
  }
  EXPECT_EQ(dialogs.pendingMessageRuns, 11);
  EXPECT_EQ(ResolveFolderEntryPath(list[3], slideshowFolder), slideshowFolder + "IMG/Data Trip");
}

TEST_F(ListFilesFixture, FolderListRoundTripsThroughDirDat) {
  MakeImageFolder(base + "/Photos/Trip");
  MakeImageFolder(base + "/My \"Best\" Photos/x");
  MakeImageFolder(slideshowFolder + "IMG/Trip");
  const QStringList lines = {base + "/Photos/Trip,0", "\"" + base + "/My \"\"Best\"\" Photos/x\",1", "Trip,1"};
  WriteLines(dirDat, lines);
  const FolderList list = ReadFolderListFile(dirDat, slideshowFolder, nullptr);
  ASSERT_EQ(list.size(), 3);
  EXPECT_EQ(FolderListLines(list), lines);
  ASSERT_TRUE(WriteListFile(dirDat, FolderListLines(list), dialogs));
  EXPECT_EQ(ReadTextLines(dirDat), lines);
  ASSERT_TRUE(WriteListFile(dirDat, {}, dialogs));
  EXPECT_EQ(FileBytes(dirDat), QByteArray()) << "an empty list gives an empty file";
}

TEST_F(ListFilesFixture, FolderDirectlyBelowTheRootKeepsTheRootSeparator) {
  // A folder row "/tmp": an image directly in /tmp makes it a row.
  QTemporaryFile image(QStringLiteral("/tmp/brinmora-list-XXXXXX.jpg"));
  ASSERT_TRUE(image.open());
  ASSERT_FALSE(image.fileName().isEmpty());  // gives the unnamed file its name
  WriteLines(dirDat, {"/tmp,1"});
  const FolderList list = ReadFolderListFile(dirDat, slideshowFolder, nullptr);
  ASSERT_EQ(list.size(), 1);
  EXPECT_EQ(list[0].Name, "tmp");
  EXPECT_EQ(list[0].Location, "/");
  EXPECT_EQ(FolderListLines(list), QStringList{"/tmp,1"});
  EXPECT_EQ(FolderListLines({{true, "Trip", "/"}}), QStringList{"/Trip,1"});
  EXPECT_EQ(FolderListLines({{true, "Trip  ", "/Photos  "}}), QStringList{"/Photos/Trip,1"});
}

TEST_F(ListFilesFixture, MusicRowsInTheDataFolderKeepBackslashesInTheFile) {
  MakeFile(slideshowFolder + "BGM/Album/song.mp3");
  MakeFile(slideshowFolder + "BGM/Other/b.wav");
  MakeFile(slideshowFolder + "BGM/loose.mid");
  MakeFile(base + "/Music/My Song.mp3");
  WriteLines(bgmDat, {"Album\\song.mp3,1", "Other/b.wav,0", "loose.mid,1", "\"" + base + "/Music/My Song.mp3\",1",
                      base + "/Music/gone.mp3,1", "D:\\Music\\x.mp3,1"});
  const BgmList list = ReadBgmListFile(bgmDat, slideshowFolder, nullptr);
  ASSERT_EQ(list.size(), 4);
  EXPECT_EQ(list[0], (ListEntry{true, "song.mp3", "(データフォルダ)\\Album"}));
  EXPECT_EQ(list[1], (ListEntry{false, "b.wav", "(データフォルダ)\\Other"}));
  EXPECT_EQ(list[2], (ListEntry{true, "loose.mid", "(データフォルダ)\\"}));
  EXPECT_EQ(list[3], (ListEntry{true, "My Song.mp3", base + "/Music"}));
  EXPECT_EQ(ResolveBgmEntryPath(list[0], slideshowFolder), slideshowFolder + "BGM/Album/song.mp3");
  EXPECT_EQ(ResolveBgmEntryPath(list[2], slideshowFolder), slideshowFolder + "BGM/loose.mid");
  EXPECT_EQ(BgmListLines(list), (QStringList{"Album\\song.mp3,1", "Other\\b.wav,0", "loose.mid,1",
                                             "\"" + base + "/Music/My Song.mp3\",1"}));
}

TEST_F(ListFilesFixture, ListsStoredAsUtf8AndCp932ReadTheSame) {
  MakeImageFolder(base + "/写真/ソ表");
  const QString line = base + "/写真/ソ表,1";
  MakeFile(dirDat, EncodeCp932(line + "\r\n"));
  FolderList cp932 = ReadFolderListFile(dirDat, slideshowFolder, nullptr);
  MakeFile(dirDat, QByteArray("\xEF\xBB\xBF") + (line + "\r\n").toUtf8());
  FolderList utf8 = ReadFolderListFile(dirDat, slideshowFolder, nullptr);
  ASSERT_EQ(cp932.size(), 1);
  EXPECT_EQ(cp932, utf8);
  EXPECT_EQ(cp932[0].Name, "ソ表");
}

TEST_F(ListFilesFixture, MalformedListFilesLoadWithoutCrashing) {
  MakeImageFolder(base + "/Photos/Trip");
  const char raw[] = "\x81,\x00\"\"\",,,\r\r\n\xFF\xFE\xFD\n\"\n,\n\x81";
  QByteArray junk(raw, sizeof raw - 1);
  junk += "\n";
  junk += (base + "/Photos/Trip,1\n").toUtf8();
  MakeFile(dirDat, junk);
  MakeFile(bgmDat, junk);
  const FolderList folders = ReadFolderListFile(dirDat, slideshowFolder, nullptr);
  ASSERT_EQ(folders.size(), 1);
  EXPECT_EQ(folders[0].Name, "Trip");
  EXPECT_TRUE(ReadBgmListFile(bgmDat, slideshowFolder, nullptr).isEmpty());
  EXPECT_TRUE(ReadFolderListFile(base + "/none.dat", slideshowFolder, nullptr).isEmpty());
}

TEST_F(ListFilesFixture, FailedListWriteIsReportedAndKeepsTheOldFile) {
  WriteLines(dirDat, {"/a,1"});
  {
    ScopedFileSizeLimit full;
    EXPECT_FALSE(WriteListFile(dirDat, {"/a/long/path/to/something,1", "/b,0"}, dialogs));
  }
  EXPECT_EQ(ReadTextLines(dirDat), QStringList{"/a,1"});
  EXPECT_EQ(dialogs.errors, QStringList{dirDat + " に書き込めません"});
}

TEST_F(ListFilesFixture, CatalogueSkipsNamesThatCannotBeSlideshows) {
  const QString path = base + "/SlideShow/SlideShow.dat";
  WriteLines(path, {"旅行", "", ".", "..", "../outside", "a/b", "a\\b", "家族", "旅行"});
  EXPECT_EQ(ReadSlideshowCatalogFile(path), (QStringList{"旅行", "家族", "旅行"}));
  EXPECT_TRUE(ReadSlideshowCatalogFile(base + "/missing.dat").isEmpty());
}

}  // namespace
