#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "library/FakeLibraryView.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/ListImport.h"
#include "library/SlideshowLibrary.h"
#include "platform/TextFile.h"

namespace {

// A library whose current slideshow "旅行" lists Photos/Old, and a second
// slideshow "家族" whose lists hold good rows next to every kind of bad row:
// missing folders, folders without images, rows climbing out of the data
// folder with "..", a Windows path and an empty field.
struct ListImportTest : ::testing::Test {
  QTemporaryDir dir;
  QString root = dir.path();
  QString programFolder = root + "/";
  QString family = programFolder + "SlideShow/家族";
  FakeUserDialogs dialogs;
  FakeLibraryView view;
  SlideshowLibrary library{programFolder, dialogs};
  QStringList shownTabs;
  ImportHooks hooks;

  void SetUp() override {
    library.SetView(&view);
    MakeImageFolder(root + "/Photos/Old");
    MakeImageFolder(root + "/Photos/海");
    MakeFile(root + "/Photos/Empty/readme.txt");
    MakeImageFolder(family + "/IMG/猫", "neko.png");
    MakeImageFolder(root + "/SlideShow/Outside");  // what the ".." rows aim at
    MakeFile(root + "/Music/a.mp3");
    MakeFile(family + "/BGM/Album/b.mp3");
    MakeFile(root + "/SlideShow/secret.mp3");
    QDir().mkpath(programFolder + "SlideShow/旅行");
    ASSERT_TRUE(WriteTextLines(programFolder + "SlideShow/旅行/DIR.dat", {root + "/Photos/Old,1"}));
    ASSERT_TRUE(WriteTextLines(programFolder + "SlideShow/旅行/BGM.dat", {root + "/Music/a.mp3,1"}));
    ASSERT_TRUE(WriteTextLines(family + "/DIR.dat",
                               {root + "/Photos/海,0", "猫,1", root + "/Photos/Missing,1", root + "/Photos/Empty,1",
                                "..\\..\\Outside,1", "猫\\..\\..\\..\\Outside,1", "C:\\Photos\\海,1", ",1",
                                root + "/Photos/x/../海,1"}));
    ASSERT_TRUE(WriteTextLines(family + "/BGM.dat",
                               {"Album\\b.mp3,0", root + "/Music/a.mp3,1", root + "/Music/gone.mp3,1",
                                "..\\..\\secret.mp3,1"}));
    library.LoadSlideshow("旅行");
    hooks.ShowFolderTab = [this] { shownTabs << "folders"; };
    hooks.ShowBgmTab = [this] { shownTabs << "bgm"; };
  }

  ImportRequest FromFamily() {
    ImportRequest r;
    r.BySlideshow = true;
    r.SlideshowName = "家族";
    return r;
  }
};

TEST_F(ListImportTest, AppendTakesOnlyGoodRowsAsAbsoluteCheckedRows) {
  const ImportReport report = ImportLists(library, FromFamily(), dialogs, hooks);
  ASSERT_TRUE(report.Done);
  EXPECT_EQ(dialogs.informations, QStringList{"インポートを終了しました。"});
  const FolderList expectedFolders = {
      {true, "Old", root + "/Photos"},
      {true, "海", root + "/Photos"},
      {true, "猫", family + "/IMG"},  // a data-folder row arrives as an absolute row
      {true, "海", root + "/Photos"},
  };
  EXPECT_EQ(library.Folders(), expectedFolders);
  EXPECT_EQ(report.FoldersTaken, 3);
  EXPECT_EQ(report.FoldersSkipped, 6);
  const BgmList expectedBgms = {
      {true, "a.mp3", root + "/Music"},
      {true, "b.mp3", family + "/BGM/Album"},
      {true, "a.mp3", root + "/Music"},
  };
  EXPECT_EQ(library.Bgms(), expectedBgms);
  EXPECT_EQ(report.BgmsSkipped, 2);
  EXPECT_EQ(library.CurrentFolderIndex(), 0);
  EXPECT_EQ(library.CurrentFolderImages(), QStringList{root + "/Photos/Old/a.jpg"});
  EXPECT_EQ(shownTabs, (QStringList{"folders", "bgm"}));
}

TEST_F(ListImportTest, OverwriteOfTheMusicListAloneLeavesTheFolderList) {
  const FolderList folders = library.Folders();
  ImportRequest r = FromFamily();
  r.FolderList = false;
  r.Overwrite = true;
  ASSERT_TRUE(ImportLists(library, r, dialogs, hooks).Done);
  EXPECT_EQ(library.Folders(), folders);
  ASSERT_EQ(library.Bgms().size(), 2);
  EXPECT_EQ(library.Bgms()[0].Name, "b.mp3");
  EXPECT_EQ(shownTabs, QStringList{"bgm"});
}

TEST_F(ListImportTest, OverwriteWithNothingUsableEmptiesThePreview) {
  ASSERT_TRUE(WriteTextLines(family + "/DIR.dat", {root + "/Photos/Missing,1"}));
  bool emptied = false;
  hooks.FolderListEmptied = [&] { emptied = true; };
  ImportRequest r = FromFamily();
  r.BgmList = false;
  r.Overwrite = true;
  ASSERT_TRUE(ImportLists(library, r, dialogs, hooks).Done);
  EXPECT_TRUE(library.Folders().isEmpty());
  EXPECT_TRUE(library.CurrentFolderImages().isEmpty());
  EXPECT_EQ(library.CurrentFolderIndex(), -1);
  EXPECT_TRUE(emptied);
}

TEST_F(ListImportTest, RefusalsSayWhyAndChangeNothing) {
  const QString onlyBgm = root + "/OnlyBgm";
  MakeFile(onlyBgm + "/BGM.dat", QByteArray());
  QDir().mkpath(root + "/NoLists");
  ImportRequest byName = FromFamily();
  ImportRequest byFolder;
  byFolder.Folder = onlyBgm;

  const struct {
    ImportRequest request;
    const char* message;
  } cases[] = {
      {[&] { auto r = byName; r.SlideshowName = "無い"; return r; }(),
       "指定のスライドショーは存在しません。\r改めて別のスライドショーを選択して下さい。"},
      {[&] { auto r = byFolder; r.Folder = root + "/Nowhere"; return r; }(),
       "指定のフォルダは存在しません。\r改めて「参照」ボタンで選択して下さい。"},
      {[&] { auto r = byFolder; r.Folder = QString(); return r; }(),
       "指定のフォルダは存在しません。\r改めて「参照」ボタンで選択して下さい。"},
      {[&] { auto r = byFolder; r.Folder = root + "/NoLists"; return r; }(),
       "指定のフォルダにはリストが存在しません。\r改めて「参照」ボタンで選択して下さい。"},
      {byFolder, "フォルダリストはありません。"},
      {[&] { auto r = byName; r.FolderList = r.BgmList = false; return r; }(),
       "対象リストの両方にチェックがありません。\rインポート対象のリストにチェックを入れて下さい。"},
  };
  const FolderList folders = library.Folders();
  const BgmList bgms = library.Bgms();
  for (const auto& c : cases) {
    dialogs.informations.clear();
    EXPECT_FALSE(ImportLists(library, c.request, dialogs, hooks).Done) << c.message;
    EXPECT_EQ(dialogs.informations, QStringList{QString::fromUtf8(c.message)});
  }
  EXPECT_EQ(library.Folders(), folders);
  EXPECT_EQ(library.Bgms(), bgms);
  EXPECT_TRUE(shownTabs.isEmpty());

  // The folder with only BGM.dat imports its music list alone.
  byFolder.FolderList = false;
  dialogs.informations.clear();
  EXPECT_TRUE(ImportLists(library, byFolder, dialogs, hooks).Done);
}

TEST(ListImportSources, DefaultFolderAndSlideshowChoices) {
  QTemporaryDir dir;
  const QString quillet = dir.path() + "/Quillet";
  const QString stored = dir.path() + "/Stored";
  EXPECT_EQ(DefaultImportFolder(QString(), quillet), QString());
  QDir().mkpath(quillet);
  EXPECT_EQ(DefaultImportFolder(QString(), quillet), quillet);
  EXPECT_EQ(DefaultImportFolder(stored, quillet), QString());  // a stored folder wins, even when gone
  QDir().mkpath(stored);
  EXPECT_EQ(DefaultImportFolder(stored, quillet), stored);

  EXPECT_EQ(ImportableSlideshows({"旅行", "家族", "旅行2"}, "旅行"), (QStringList{"家族", "旅行2"}));
  EXPECT_TRUE(ImportableSlideshows({"旅行"}, "旅行").isEmpty());
}

}  // namespace
