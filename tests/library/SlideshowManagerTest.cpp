// Creating, renaming, copying, deleting, reordering and switching slideshows
// on a real program folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "library/FakeLibraryView.h"
#include "library/FakeListEditorView.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/SlideshowLibrary.h"
#include "library/SlideshowManager.h"
#include "platform/ScopedFileSizeLimit.h"
#include "platform/TextFile.h"

namespace {

struct ManagerFixture : ::testing::Test {
  QTemporaryDir dir;
  QString programFolder = dir.path() + "/";
  QString root = programFolder + "SlideShow/";
  FakeUserDialogs dialogs;
  FakeLibraryView view;
  FakeProgressWindow progress;
  SlideshowLibrary library{programFolder, dialogs};
  SlideshowManager manager{library, dialogs};

  void SetUp() override {
    library.SetView(&view);
    manager.SetProgressWindow(&progress);
  }

  // Slideshows with one folder row each, named after them; the first is loaded.
  void MakeLibrary(const QStringList& names) {
    for (const QString& name : names) {
      MakeImageFolder(dir.path() + "/Photos/" + name);
      QDir().mkpath(root + name);
      ASSERT_TRUE(WriteTextLines(root + name + "/DIR.dat", {dir.path() + "/Photos/" + name + ",1"}));
    }
    library.SetCatalog(names);
    library.LoadSlideshow(names.first());
  }

  QStringList StoredCatalog() { return ReadTextLines(root + "SlideShow.dat").value_or(QStringList{"<missing>"}); }
  QStringList Entries() { return QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }
};

TEST(SlideshowNames, ChecksOfTheNameDialog) {
  QTemporaryDir dir;
  const QString programFolder = dir.path() + "/";
  QDir().mkpath(programFolder + "SlideShow/Travel");
  MakeFile(programFolder + "SlideShow/SlideShow.dat");
  const struct {
    const char* name;
    NameProblem problem;
  } cases[] = {
      {"", NameProblem::Empty},          {"Travel", NameProblem::Exists},   {"TRAVEL", NameProblem::Exists},
      {"slideshow.dat", NameProblem::Exists}, {"家族", NameProblem::Exists},  // a row of the list
      {"a/b", NameProblem::Unusable},    {"a\\b", NameProblem::Unusable},   {".", NameProblem::Unusable},
      {"..", NameProblem::Unusable},     {"../x", NameProblem::Unusable},   {"a:b", NameProblem::Unusable},
      {"a?", NameProblem::Unusable},     {"a\"b", NameProblem::Unusable},   {"a\rb", NameProblem::Unusable},
      {"旅行 2026", NameProblem::None},  {".hidden", NameProblem::None},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CheckSlideshowName(programFolder, {"家族"}, QString::fromUtf8(c.name)), c.problem) << c.name;
}

TEST_F(ManagerFixture, RefusedNamesKeepTheDialogOpenAndCreateNothing) {
  MakeLibrary({"旅行"});
  const struct {
    NameDialogMode mode;
    const char* name;
    const char* message;
  } cases[] = {
      {NameDialogMode::New, "", "スライドショー名が空欄です。"},
      {NameDialogMode::Rename, "旅行", "このスライドショー名はすでに存在します。\r別な名前を付けてください。"},
      {NameDialogMode::SaveAs, "旅行", "このスライドショー名はすでに存在します。\r別な名前を付けてください。"},
      {NameDialogMode::New, "../escape", "スライドショーの作成に失敗しました。"},
      {NameDialogMode::Rename, "a\\b", "スライドショー名の変更に失敗しました。"},
      {NameDialogMode::SaveAs, "..", "スライドショーの別名保存に失敗しました。"},
  };
  for (const auto& c : cases) {
    dialogs.informations.clear();
    EXPECT_FALSE(manager.ConfirmName(c.mode, QString::fromUtf8(c.name))) << c.name;
    EXPECT_EQ(dialogs.informations, QStringList{QString::fromUtf8(c.message)});
  }
  EXPECT_EQ(Entries(), QStringList{"旅行"});
  EXPECT_FALSE(QFileInfo::exists(dir.path() + "/escape"));
  EXPECT_EQ(library.CurrentName(), "旅行");
}

TEST_F(ManagerFixture, NewSlideshowSavesTheOldOneAndBecomesCurrent) {
  MakeLibrary({"旅行"});
  EXPECT_EQ(manager.InitialName(NameDialogMode::New, "x"), "無題001");
  EXPECT_EQ(manager.InitialName(NameDialogMode::Rename, "x"), "旅行");
  library.Folders()[0].IsChecked = false;
  EXPECT_TRUE(manager.ConfirmName(NameDialogMode::New, "家族"));
  EXPECT_EQ(ReadTextLines(root + "旅行/DIR.dat"), QStringList{dir.path() + "/Photos/旅行,0"});
  EXPECT_EQ(library.CurrentName(), "家族");
  EXPECT_TRUE(QFileInfo(root + "家族").isDir());
  EXPECT_EQ(library.Catalog(), (QStringList{"旅行", "家族"}));
  EXPECT_EQ(library.CatalogIndex(), 1);
  EXPECT_EQ(StoredCatalog(), (QStringList{"旅行", "家族"}));
  EXPECT_TRUE(library.Folders().isEmpty());
}

TEST_F(ManagerFixture, RenameMovesTheFolderWithoutReloading) {
  MakeLibrary({"旅行", "家族"});
  library.Folders()[0].IsChecked = false;
  EXPECT_TRUE(manager.ConfirmName(NameDialogMode::Rename, "Trip"));
  EXPECT_EQ(dialogs.informations, QStringList{"スライドショー名を変更しました。"});
  EXPECT_FALSE(QFileInfo::exists(root + "旅行"));
  EXPECT_EQ(library.CurrentName(), "Trip");
  EXPECT_FALSE(library.Folders()[0].IsChecked) << "the lists in memory stay";
  EXPECT_EQ(library.Catalog(), (QStringList{"Trip", "家族"}));
  EXPECT_EQ(StoredCatalog(), (QStringList{"Trip", "家族"}));
  EXPECT_EQ(view.caption, " Brinmora [Trip]");
  EXPECT_EQ(view.label, "現在のスライドショー ： Trip");
  ASSERT_TRUE(library.SaveSlideshow());
  EXPECT_EQ(ReadTextLines(root + "Trip/DIR.dat"), QStringList{dir.path() + "/Photos/旅行,0"});

  // A slideshow whose folder went away cannot be renamed.
  dialogs.informations.clear();
  QDir(root + "Trip").removeRecursively();
  EXPECT_TRUE(manager.ConfirmName(NameDialogMode::Rename, "Other"));
  EXPECT_EQ(dialogs.informations, QStringList{"スライドショー名の変更に失敗しました。"});
  EXPECT_EQ(library.CurrentName(), "Trip");
}

TEST_F(ManagerFixture, SaveAsCopiesTheFilesAndLoadsTheCopy) {
  MakeLibrary({"旅行"});
  library.Options().Interval = 17;
  EXPECT_TRUE(manager.ConfirmName(NameDialogMode::SaveAs, "旅行2"));
  EXPECT_EQ(dialogs.informations, QStringList{"スライドショーを別名で保存しました。"});
  EXPECT_EQ(library.CurrentName(), "旅行2");
  EXPECT_EQ(library.Options().Interval, 17);
  EXPECT_EQ(library.Folders().size(), 1);
  for (const char* file : {"DIR.dat", "BGM.dat", "Slide.ini"})
    EXPECT_EQ(FileBytes(root + "旅行2/" + file), FileBytes(root + "旅行/" + file)) << file;
  EXPECT_EQ(StoredCatalog(), (QStringList{"旅行", "旅行2"}));
  EXPECT_EQ(Entries(), (QStringList{"SlideShow.dat", "旅行", "旅行2"}));
}

TEST_F(ManagerFixture, SaveAsInCdMakingModePointsDataRowsAtTheOriginal) {
  library.SetRunMode(RunMode::CdMaking);
  MakeLibrary({"旅行"});
  MakeImageFolder(root + "旅行/IMG/Day 1");
  MakeFile(root + "旅行/BGM/Album/s.mp3");
  ASSERT_TRUE(WriteTextLines(root + "旅行/DIR.dat", {"\"Day 1\",1", dir.path() + "/Photos/旅行,0"}));
  ASSERT_TRUE(WriteTextLines(root + "旅行/BGM.dat", {"Album\\s.mp3,1"}));
  library.LoadSlideshow("旅行");
  EXPECT_TRUE(manager.ConfirmName(NameDialogMode::SaveAs, "copy"));
  EXPECT_EQ(ReadTextLines(root + "copy/DIR.dat"),
            (QStringList{"\"" + root + "旅行/IMG/Day 1\",1", dir.path() + "/Photos/旅行,0"}));
  EXPECT_EQ(ReadTextLines(root + "copy/BGM.dat"), QStringList{root + "旅行/BGM/Album/s.mp3,1"});
  EXPECT_EQ(progress.steps, (QStringList{"■スライドショーの保存■", "選択スライドショーを別名で保存中です。", "no bar", "closed"}));
  EXPECT_EQ(library.Folders().size(), 2) << "the copy uses the original's data folder";

  // An empty list gives an empty file.
  library.Folders().clear();
  EXPECT_TRUE(manager.ConfirmName(NameDialogMode::SaveAs, "empty"));
  EXPECT_EQ(FileBytes(root + "empty/DIR.dat"), QByteArray());
}

TEST_F(ManagerFixture, FailedSaveAsLeavesNothingBehind) {
  MakeLibrary({"旅行"});
  const QByteArray before = FileBytes(root + "旅行/DIR.dat");
  {
    ScopedFileSizeLimit full;
    EXPECT_TRUE(manager.ConfirmName(NameDialogMode::SaveAs, "copy"));
  }
  EXPECT_EQ(dialogs.informations.last(), "スライドショーの別名保存に失敗しました。");
  EXPECT_EQ(Entries(), QStringList{"旅行"});
  EXPECT_EQ(FileBytes(root + "旅行/DIR.dat"), before);
  EXPECT_EQ(library.CurrentName(), "旅行");
}

TEST_F(ManagerFixture, DeleteMakesTheNeighbourCurrent) {
  const struct {
    int selected;
    const char* current;
    QStringList left;
  } cases[] = {{2, "B", {"A", "B"}}, {0, "B", {"B", "C"}}, {1, "C", {"A", "C"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.selected);
    QDir(root).removeRecursively();
    MakeLibrary({"A", "B", "C"});
    library.LoadSlideshow(library.Catalog()[c.selected]);
    const QString deleted = library.CurrentName();
    manager.DeleteCurrent();
    EXPECT_FALSE(QFileInfo::exists(root + deleted));
    EXPECT_EQ(library.CurrentName(), c.current);
    EXPECT_EQ(library.Catalog(), c.left);
    EXPECT_EQ(StoredCatalog(), c.left);
    EXPECT_EQ(dialogs.informations.last(), "スライドショーを削除しました。");
  }
  EXPECT_EQ(dialogs.questions.last(), "現在のスライドショーを削除します。\rよろしいですか？");
}

TEST_F(ManagerFixture, DeletingTheOnlySlideshowLeavesANewUntitledOne) {
  MakeLibrary({"旅行"});
  dialogs.answer = false;
  manager.DeleteCurrent();
  EXPECT_TRUE(QFileInfo::exists(root + "旅行"));
  dialogs.answer = true;
  manager.DeleteCurrent();
  EXPECT_EQ(library.CurrentName(), "無題001");
  EXPECT_EQ(library.Catalog(), QStringList{"無題001"});
  EXPECT_EQ(Entries(), (QStringList{"SlideShow.dat", "無題001"}));

  // A folder that went away is reported and the slideshow stays.
  dialogs.informations.clear();
  QDir(root + "無題001").removeRecursively();
  manager.DeleteCurrent();
  EXPECT_EQ(dialogs.informations, (QStringList{"削除元が存在しません。", "スライドショーの削除に失敗しました。"}));
  EXPECT_EQ(library.CurrentName(), "無題001");
}

TEST_F(ManagerFixture, SwitchingSavesTheOneLeftAndShowsProgress) {
  MakeLibrary({"A", "B"});
  library.Folders()[0].IsChecked = false;
  manager.SwitchTo(0);
  EXPECT_TRUE(progress.steps.isEmpty()) << "clicking the current slideshow does nothing";
  manager.SwitchTo(1);
  EXPECT_EQ(library.CurrentName(), "B");
  EXPECT_EQ(ReadTextLines(root + "A/DIR.dat"), QStringList{dir.path() + "/Photos/A,0"});
  EXPECT_EQ(progress.steps, (QStringList{"■スライドショーの読み込み■", "選択スライドショーを読み込み中です。", "no bar", "closed"}));
  EXPECT_EQ(library.CatalogIndex(), 1);
}

TEST_F(ManagerFixture, UpAndDownReorderTheListAndStopAtTheEnds) {
  MakeLibrary({"A", "B", "C"});
  manager.MoveUp();
  EXPECT_EQ(library.Catalog(), (QStringList{"A", "B", "C"}));
  manager.MoveDown();
  manager.MoveDown();
  manager.MoveDown();
  EXPECT_EQ(library.Catalog(), (QStringList{"B", "C", "A"}));
  EXPECT_EQ(library.CatalogIndex(), 2);
  EXPECT_EQ(StoredCatalog(), (QStringList{"B", "C", "A"}));
  manager.MoveUp();
  EXPECT_EQ(library.Catalog(), (QStringList{"B", "A", "C"}));
}

TEST_F(ManagerFixture, CdPlayModeChangesNothing) {
  MakeLibrary({"A"});
  library.SetRunMode(RunMode::CdPlay);
  EXPECT_TRUE(manager.ConfirmName(NameDialogMode::New, "B"));
  manager.DeleteCurrent();
  EXPECT_EQ(Entries(), QStringList{"A"});
  EXPECT_TRUE(dialogs.questions.isEmpty());
}

}  // namespace
