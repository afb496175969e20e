// The list check and the end of CD making, on stored lists in real folders.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "cdmaking/CdFinish.h"
#include "cdmaking/CdMakingTexts.h"
#include "cdmaking/FakeShellLauncher.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/SlideshowLibrary.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

namespace {

class FakeFinishDialogs final : public CdFinishDialogs {
 public:
  CdEndChoice AskEndOfWork() override {
    ++asked;
    return choice;
  }
  void ShowListReport(const QStringList& lines) override { report = lines; }
  CdEndChoice choice = CdEndChoice::Complete;
  int asked = 0;
  QStringList report;
};

struct CdFinishFixture : ::testing::Test {
  QTemporaryDir dir;
  QString cd = dir.path() + "/W/CD/";
  FakeUserDialogs dialogs;
  FakeFinishDialogs finish;
  FakeShellLauncher shell;
  SlideshowLibrary library{cd, dialogs};

  void Store(const QString& name, const QStringList& dirLines, const QStringList& bgmLines) {
    QDir().mkpath(cd + "SlideShow/" + name);
    ASSERT_TRUE(WriteTextLines(cd + "SlideShow/" + name + "/DIR.dat", dirLines));
    ASSERT_TRUE(WriteTextLines(cd + "SlideShow/" + name + "/BGM.dat", bgmLines));
  }
  void Start(const QStringList& catalog) {
    ASSERT_TRUE(WriteTextLines(cd + "SlideShow/SlideShow.dat", catalog));
    library.SetRunMode(RunMode::CdMaking);
    library.SetCatalog(catalog);
    library.LoadSlideshow(catalog.first());
  }
};

TEST_F(CdFinishFixture, TheReportNamesEverySlideshowWithRowsOffTheCd) {
  MakeImageFolder(cd + "SlideShow/春/IMG/Trip");
  MakeImageFolder(dir.path() + "/Photos/A");
  MakeFile(cd + "SlideShow/夏/BGM/Album/a.mp3");
  Store("春", {"Trip,1"}, {});
  Store("夏", {dir.path() + "/Photos/A,1", dir.path() + "/Photos/B,1", "Trip,0", "", "Solo"},
        {"Album\\a.mp3,0", dir.path() + "/x.mp3"});
  Start({"春", "夏"});

  EXPECT_FALSE(CheckCdLists(library, dialogs, finish));
  EXPECT_EQ(finish.report, QStringList({"**夏**", "フォルダリスト未コピー： 2項目", "フォルダリスト未チェック： 1項目",
                                        "BGMリスト未コピー： 1項目", "BGMリスト未チェック： 1項目",
                                        "---------------------------------------------------"}));
}

TEST_F(CdFinishFixture, FindingsCountEveryStoredRowOffTheCdOrUnchecked) {
  struct Case {
    QStringList dir, bgm;
    CdListFindings expected;
  };
  const QString outside = dir.path() + "/Photos/A";
  const Case cases[] = {
      {{}, {}, {0, 0, 0, 0}},
      {{"Trip,1", "Solo", ""}, {"Album\\a.mp3,1"}, {0, 0, 0, 0}},
      {{outside + ",1", outside + ",0", "Trip,0"}, {}, {2, 2, 0, 0}},
      {{"\"" + outside + "\",1"}, {"C:\\Music\\x.mp3,0", "Album\\a.mp3,x"}, {1, 0, 1, 1}},
  };
  for (const Case& c : cases) {
    Store("夏", c.dir, c.bgm);
    const CdListFindings f = CountCdListFindings(cd + "SlideShow/夏/", nullptr);
    EXPECT_EQ(f.FoldersNotCopied, c.expected.FoldersNotCopied) << c.dir.join(" | ").toStdString();
    EXPECT_EQ(f.FoldersNotChecked, c.expected.FoldersNotChecked) << c.dir.join(" | ").toStdString();
    EXPECT_EQ(f.MusicNotCopied, c.expected.MusicNotCopied) << c.bgm.join(" | ").toStdString();
    EXPECT_EQ(f.MusicNotChecked, c.expected.MusicNotChecked) << c.bgm.join(" | ").toStdString();
  }
}

TEST_F(CdFinishFixture, EndChoicesDecideWhetherTheCopyCloses) {
  MakeImageFolder(dir.path() + "/Photos/A");
  MakeImageFolder(cd + "SlideShow/春/IMG/Trip");
  Store("春", {"Trip,1"}, {});
  Store("夏", {dir.path() + "/Photos/A,1"}, {});
  Start({"春", "夏"});
  library.Options().LastPlayDir = "somewhere";

  finish.choice = CdEndChoice::Cancelled;
  EXPECT_FALSE(FinishCdMaking(library, dialogs, finish, shell));
  EXPECT_TRUE(library.Options().LastPlayDir.isEmpty());

  finish.choice = CdEndChoice::InProgress;
  EXPECT_TRUE(FinishCdMaking(library, dialogs, finish, shell));
  EXPECT_TRUE(finish.report.isEmpty());
  EXPECT_TRUE(dialogs.questions.isEmpty());

  finish.choice = CdEndChoice::Complete;
  EXPECT_FALSE(FinishCdMaking(library, dialogs, finish, shell));
  EXPECT_EQ(finish.report.first(), "**夏**");
  EXPECT_TRUE(dialogs.questions.isEmpty());

  Store("夏", {}, {});
  finish.report.clear();
  dialogs.answer = false;
  EXPECT_FALSE(FinishCdMaking(library, dialogs, finish, shell));
  EXPECT_EQ(dialogs.questions, QStringList({kFinishOptionsQuestion}));
  EXPECT_TRUE(shell.opened.isEmpty());

  dialogs.answer = true;
  EXPECT_TRUE(FinishCdMaking(library, dialogs, finish, shell));
  EXPECT_EQ(dialogs.informations.last(), kFinishOpenCdFolderText);
  EXPECT_EQ(shell.opened, QStringList({dir.path() + "/W/CD"}));
  EXPECT_TRUE(finish.report.isEmpty());
}

}  // namespace
