#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "library/FakeLibraryView.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/LibraryTexts.h"
#include "library/SlideshowLibrary.h"
#include "platform/IniFile.h"
#include "platform/ScopedFileSizeLimit.h"
#include "platform/TextFile.h"

namespace {

struct LibraryFixture : ::testing::Test {
  QTemporaryDir dir;
  QString programFolder = dir.path() + "/";
  QString photos = dir.path() + "/Photos/";
  FakeUserDialogs dialogs;
  FakeLibraryView view;
  SlideshowLibrary library{programFolder, dialogs};

  void SetUp() override { library.SetView(&view); }

  QString Folder(const QString& name) { return programFolder + "SlideShow/" + name + "/"; }

  // A slideshow with the folder rows Photos/A, B, C (images a.jpg, b.jpg,
  // c.jpg each) and the music rows m1.mp3, m2.mp3, m3.mp3.
  void MakeSlideshow(const QString& name, const QStringList& slideIni) {
    QDir().mkpath(Folder(name));
    QStringList dirLines, bgmLines;
    for (const char* f : {"A", "B", "C"}) {
      for (const char* img : {"a.jpg", "b.jpg", "c.jpg"}) MakeFile(photos + f + "/" + img);
      dirLines.append(photos + f + ",1");
    }
    for (const char* m : {"m1.mp3", "m2.mp3", "m3.mp3"}) {
      MakeFile(dir.path() + "/Music/" + m);
      bgmLines.append(dir.path() + "/Music/" + m + ",1");
    }
    ASSERT_TRUE(WriteTextLines(Folder(name) + "DIR.dat", dirLines));
    ASSERT_TRUE(WriteTextLines(Folder(name) + "BGM.dat", bgmLines));
    if (!slideIni.isEmpty()) {
      ASSERT_TRUE(WriteTextLines(Folder(name) + "Slide.ini", slideIni));
    }
  }

  QStringList ResumeIni(const QString& dirOrder, const QString& imgOrder, const QString& bgmOrder) {
    return {"[Option]", "cbDir=" + dirOrder, "cbImg=" + imgOrder, "cbBGM=" + bgmOrder, "[List]",
            "LastPlayName=" + photos + "C/b.jpg", "LastPlayDir=" + photos + "C",
            "LastPlayBGM=" + dir.path() + "/Music/m2.mp3"};
  }
};

TEST_F(LibraryFixture, EmptyNameCreatesTheFirstFreeUntitledSlideshow) {
  QDir().mkpath(Folder("無題001"));
  QDir().mkpath(Folder("無題002"));
  library.LoadSlideshow(QString());
  EXPECT_EQ(library.CurrentName(), "無題003");
  EXPECT_TRUE(QDir(Folder("無題003")).exists());
  EXPECT_EQ(view.caption, " Brinmora [無題003]");
  EXPECT_EQ(view.label, "現在のスライドショー ： 無題003");
  EXPECT_EQ(library.Catalog(), QStringList{"無題003"});
  EXPECT_EQ(library.CatalogIndex(), 0);
  EXPECT_TRUE(library.IsLoaded());
  EXPECT_TRUE(view.hintShown);
  EXPECT_EQ(view.hint, kStartHintText);
  EXPECT_EQ(library.CurrentFolderIndex(), -1);
  EXPECT_EQ(library.CurrentBgmIndex(), -1);
}

TEST_F(LibraryFixture, AllUntitledNamesTakenGivesTheBareNameWithoutFolder) {
  for (int n = 1; n <= 100; ++n) QDir().mkpath(Folder(QStringLiteral("無題%1").arg(n, 3, 10, QLatin1Char('0'))));
  library.LoadSlideshow(QString());
  EXPECT_EQ(library.CurrentName(), "無題");
  EXPECT_FALSE(QDir(Folder("無題")).exists());
}

TEST_F(LibraryFixture, NamesOutsideTheLibraryAreNeverUsed) {
  for (const char* bad : {"..", ".", "../escape", "a/b", "a\\b"}) {
    library.LoadSlideshow(QString::fromUtf8(bad));
    EXPECT_TRUE(library.CurrentName().startsWith("無題")) << bad;
  }
  EXPECT_FALSE(QDir(dir.path() + "/escape").exists());
}

TEST_F(LibraryFixture, LoadingShowsOptionsListsImagesAndCaptionsInOrder) {
  MakeSlideshow("旅行", {"[Option]", "Interval=3"});
  library.SetCatalog({"家族", "旅行"});
  view.calls.clear();
  library.LoadSlideshow("旅行");
  EXPECT_EQ(library.Options().Interval, 3);
  EXPECT_EQ(library.Folders().size(), 3);
  EXPECT_EQ(library.Bgms().size(), 3);
  EXPECT_EQ(library.CurrentFolderIndex(), 0);
  EXPECT_EQ(library.CurrentFolderImages(), (QStringList{photos + "A/a.jpg", photos + "A/b.jpg", photos + "A/c.jpg"}));
  EXPECT_EQ(library.CurrentImageIndex(), 0);
  EXPECT_FALSE(view.hintShown);
  EXPECT_EQ(library.Catalog(), (QStringList{"家族", "旅行"})) << "a listed name is selected, not added";
  EXPECT_EQ(library.CatalogIndex(), 1);
  EXPECT_EQ(view.calls, (QStringList{"options", "folders", "bgms", "reset", "images", "pagejump", "music", "catalog",
                                     "caption"}));
  EXPECT_EQ(view.handedOverBgm, "") << "no resume music: nothing handed over";
}

TEST_F(LibraryFixture, ResumePointsApplyForTheOrdersThatContinue) {
  struct Case {
    const char *dirOrder, *imgOrder, *bgmOrder;
    int folder, image, bgm;
  };
  const std::vector<Case> cases = {
      {"ループ", "昇順（選択位置から）", "ループ", 2, 1, 1},
      {"昇順（選択位置から）", "昇順（選択位置から）", "昇順（選択位置から）", 2, 1, 1},
      {"ループ", "昇順（先頭から）", "シャッフル", 2, 0, 0},
      {"シャッフル", "昇順（選択位置から）", "昇順（先頭から）", 0, 0, 0},
      {"ループ", "シャッフル（全画像）", "ループ", 0, 0, 1},
  };
  for (const Case& c : cases) {
    MakeSlideshow("s", ResumeIni(c.dirOrder, c.imgOrder, c.bgmOrder));
    library.LoadSlideshow("s");
    EXPECT_EQ(library.CurrentFolderIndex(), c.folder) << c.dirOrder << " " << c.imgOrder;
    EXPECT_EQ(library.CurrentImageIndex(), c.image) << c.dirOrder << " " << c.imgOrder;
    EXPECT_EQ(library.CurrentBgmIndex(), c.bgm) << c.bgmOrder;
  }
}

TEST_F(LibraryFixture, ResumePointsActOncePerLoad) {
  MakeSlideshow("s", ResumeIni("ループ", "昇順（選択位置から）", "ループ"));
  library.LoadSlideshow("s");
  ASSERT_EQ(library.CurrentFolderIndex(), 2);
  library.LoadFolderList();
  library.LoadBgmList();
  EXPECT_EQ(library.CurrentFolderIndex(), 0);
  EXPECT_EQ(library.CurrentBgmIndex(), 0);
  library.SetCurrentFolderIndex(2);
  library.BuildCurrentFolderImages();
  EXPECT_EQ(library.CurrentImageIndex(), 0);
  library.LoadSlideshow("s");
  EXPECT_EQ(library.CurrentFolderIndex(), 2);
  EXPECT_EQ(library.CurrentImageIndex(), 1);
}

TEST_F(LibraryFixture, MissingResumeTargetsAreIgnored) {
  MakeSlideshow("s", {"[Option]", "cbDir=ループ", "cbImg=昇順（選択位置から）", "cbBGM=ループ", "[List]",
                      "LastPlayName=" + photos + "C/gone.jpg", "LastPlayDir=" + photos + "Gone",
                      "LastPlayBGM=" + dir.path() + "/Music/gone.mp3"});
  library.LoadSlideshow("s");
  EXPECT_EQ(library.CurrentFolderIndex(), 0);
  EXPECT_EQ(library.CurrentImageIndex(), 0);
  EXPECT_EQ(library.CurrentBgmIndex(), 0);
  EXPECT_EQ(view.handedOverBgm, "");
}

TEST_F(LibraryFixture, LastPlayedMusicIsHandedOverOnlyWhenMusicIsOn) {
  MakeSlideshow("s", ResumeIni("ループ", "昇順（先頭から）", "ループ"));
  library.LoadSlideshow("s");
  EXPECT_EQ(view.handedOverBgm, dir.path() + "/Music/m2.mp3");
  IniFile ini(Folder("s") + "Slide.ini");
  ini.WriteBool("Option", "UseBGM", false);
  ASSERT_TRUE(ini.Save());
  library.LoadSlideshow("s");
  EXPECT_EQ(view.handedOverBgm, "");
}

TEST_F(LibraryFixture, AFolderThatLostItsImagesIsReportedAndRemoved) {
  MakeSlideshow("s", {});
  library.LoadSlideshow("s");
  QFile::remove(photos + "A/a.jpg");
  QFile::remove(photos + "A/b.jpg");
  QFile::remove(photos + "A/c.jpg");
  library.BuildCurrentFolderImages();
  EXPECT_EQ(dialogs.informations,
            QStringList{photos + "A\r\r上記の選択フォルダ内には対応形式の画像ファイルがありません。\r"
                                 "フォルダリストの登録から削除します。"});
  ASSERT_EQ(library.Folders().size(), 2);
  EXPECT_EQ(library.Folders()[0].Name, "B");
  EXPECT_EQ(library.CurrentFolderIndex(), 0);
  EXPECT_EQ(library.CurrentFolderImages().first(), photos + "B/a.jpg");

  // Every folder emptied: all rows go, one message each, and no images remain.
  for (const char* f : {"B", "C"}) QDir(photos + f).removeRecursively();
  library.BuildCurrentFolderImages();
  EXPECT_EQ(dialogs.informations.size(), 3);
  EXPECT_TRUE(library.Folders().isEmpty());
  EXPECT_EQ(library.CurrentFolderIndex(), -1);
  EXPECT_TRUE(library.CurrentFolderImages().isEmpty());
}

TEST_F(LibraryFixture, SaveWritesListsAndOptionsAndRecreatesADeletedFolder) {
  MakeSlideshow("s", {});
  library.LoadSlideshow("s");
  library.Folders()[1].IsChecked = false;
  library.Options().Interval = 12;
  QDir(Folder("s")).removeRecursively();
  ASSERT_TRUE(library.SaveSlideshow());
  EXPECT_EQ(ReadTextLines(Folder("s") + "DIR.dat"),
            (QStringList{photos + "A,1", photos + "B,0", photos + "C,1"}));
  EXPECT_EQ(ReadTextLines(Folder("s") + "BGM.dat")->size(), 3);
  EXPECT_EQ(IniFile(Folder("s") + "Slide.ini").ReadInteger("Option", "Interval", 0), 12);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(LibraryFixture, FailedSaveIsReportedAndKeepsTheOldFiles) {
  MakeSlideshow("s", {"[Option]", "Interval=5"});
  library.LoadSlideshow("s");
  const QByteArray dirBefore = FileBytes(Folder("s") + "DIR.dat");
  const QByteArray iniBefore = FileBytes(Folder("s") + "Slide.ini");
  library.Folders()[0].IsChecked = false;
  library.Options().Interval = 9;
  {
    ScopedFileSizeLimit full;
    EXPECT_FALSE(library.SaveSlideshow());
  }
  EXPECT_EQ(FileBytes(Folder("s") + "DIR.dat"), dirBefore);
  EXPECT_EQ(FileBytes(Folder("s") + "Slide.ini"), iniBefore);
  EXPECT_EQ(dialogs.errors, (QStringList{Folder("s") + "DIR.dat に書き込めません",
                                         Folder("s") + "BGM.dat に書き込めません",
                                         Folder("s") + "Slide.ini に書き込めません"}));
}

TEST_F(LibraryFixture, CdPlayModeWritesAndCreatesNothing) {
  library.SetRunMode(RunMode::CdPlay);
  library.LoadSlideshow(QString());
  EXPECT_EQ(library.CurrentName(), "無題001");
  EXPECT_EQ(view.caption, " Brinmora - CD再生モード [無題001]");
  EXPECT_TRUE(library.SaveSlideshow());
  EXPECT_TRUE(library.SaveCatalog());
  EXPECT_FALSE(QDir(programFolder + "SlideShow").exists());
}

TEST_F(LibraryFixture, DisplayColoursAreReadOnLoadOnceTheDisplayExists) {
  MakeSlideshow("a", {"[Color]", "GNameColor=1", "SlideNameColor=2"});
  MakeSlideshow("b", {"[Color]", "GNameColor=3"});
  library.LoadSlideshow("a");
  EXPECT_EQ(library.Options().Colours.GNameColor, DisplayColours().GNameColor) << "no display window yet";
  library.DisplayWindowCreated("1.3");
  EXPECT_EQ(library.Options().Colours.GNameColor, 1u);
  library.LoadSlideshow("b");
  EXPECT_EQ(library.Options().Colours.GNameColor, 3u);
  library.LoadSlideshow("a");
  library.Options().BkColor = 5;
  library.DisplayWindowCreated("1.2");
  EXPECT_EQ(library.Options().Colours.GNameColor, DisplayColours().GNameColor) << "older settings reset";
  EXPECT_EQ(library.Options().Colours.SlideNameColor, 2u) << "except the slide-name pair";
  EXPECT_EQ(library.Options().BkColor, 0u);
}

TEST_F(LibraryFixture, MalformedFilesLoadWithDefaults) {
  QDir().mkpath(Folder("s"));
  const char junk[] = "\xFF\x00,\"\"\",\x81\r\n[Option\r\nInterval=abc\r\n,,,\r\n\x82";
  for (const char* f : {"DIR.dat", "BGM.dat", "Slide.ini"}) MakeFile(Folder("s") + f, QByteArray(junk, sizeof junk - 1));
  library.LoadSlideshow("s");
  EXPECT_EQ(library.CurrentName(), "s");
  EXPECT_TRUE(library.Folders().isEmpty());
  EXPECT_EQ(library.Options().Interval, 8);
}

}  // namespace
