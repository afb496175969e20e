// The commands of the folder and BGM list tabs on real folders.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "library/DroppedItems.h"
#include "library/FakeLibraryView.h"
#include "library/FakeListEditorView.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/LibraryTexts.h"
#include "library/ListEditor.h"
#include "library/ListMenuItems.h"
#include "library/SlideshowLibrary.h"

namespace {

struct ListEditorFixture : ::testing::Test {
  QTemporaryDir dir;
  QString programFolder = dir.path() + "/";
  QString photos = dir.path() + "/Photos";
  FakeUserDialogs dialogs;
  FakeLibraryView libraryView;
  FakeListEditorView view;
  FakeProgressWindow progress;
  SlideshowLibrary library{programFolder, dialogs};
  ListEditor editor{library, dialogs};

  void SetUp() override {
    QDir().mkpath(programFolder + "SlideShow/旅行");
    library.SetView(&libraryView);
    library.LoadSlideshow("旅行");
    editor.SetView(&view);
    editor.SetProgressWindow(&progress);
  }

  QString DataFolder(const char* sub) { return programFolder + "SlideShow/旅行/" + sub; }

  // Folder rows named by letters, each a real folder of Photos with an image.
  void FolderRows(const QString& letters) {
    FolderList rows;
    for (QChar c : letters) {
      MakeImageFolder(photos + "/" + c);
      rows.append({true, QString(c), photos});
    }
    library.Folders() = rows;
    library.SetCurrentFolderIndex(rows.isEmpty() ? -1 : 0);
  }

  QString Names(ListKind kind = ListKind::Folders) {
    QString names;
    for (const ListEntry& e : kind == ListKind::Folders ? library.Folders() : library.Bgms()) names += e.Name;
    return names;
  }

  void Select(QList<int> rows, int focused, ListKind kind = ListKind::Folders) {
    editor.SetSelection(kind, ListSelection{rows, focused});
  }
};

TEST_F(ListEditorFixture, MovesCarryTheSelectionAndStopAtTheEnds) {
  const struct {
    bool up;
    QList<int> selected;
    const char* order;
    QList<int> selectedAfter;
    int focused;
  } cases[] = {
      {true, {1, 3}, "BADCEF", {0, 2}, 2},
      {true, {1, 2}, "BCADEF", {0, 1}, 1},
      {true, {0, 2}, "ABCDEF", {0, 2}, 2},  // row 0 selected: nothing moves
      {true, {}, "ABCDEF", {}, -1},
      {false, {1, 2, 4}, "ADBCFE", {2, 3, 5}, 2},
      {false, {3, 5}, "ABCDEF", {3, 5}, 5},  // last row selected: nothing moves
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.order);
    FolderRows("ABCDEF");
    Select(c.selected, c.selected.isEmpty() ? -1 : c.selected.last());
    if (c.up)
      editor.MoveUp(ListKind::Folders);
    else
      editor.MoveDown(ListKind::Folders);
    EXPECT_EQ(Names(), c.order);
    EXPECT_EQ(editor.Selection(ListKind::Folders).Rows, c.selectedAfter);
    EXPECT_EQ(editor.Selection(ListKind::Folders).Focused, c.focused);
    if (c.selected != c.selectedAfter) {
      EXPECT_EQ(library.CurrentFolderIndex(), c.focused);
    }
  }
}

TEST_F(ListEditorFixture, CutAndPastePutRowsBackInOrderAtTheSelection) {
  const struct {
    const char* label;
    QList<int> cut;
    int focusAtCut;
    const char* afterCut;
    int currentAfterCut;
    QList<int> pasteSelection;
    int pasteFocus;
    const char* afterPaste;
    int currentAfterPaste;
  } cases[] = {
      // Rows C and E go before B; E had the focus and gets it back.
      {"before", {2, 4}, 4, "ABDF", 3, {1}, 1, "ACEBDF", 2},
      {"after", {0, 1}, 0, "CDEF", 0, {3}, 3, "CDEABF", 3},
      // The focused row was not cut: the first pasted row is current.
      {"foreign anchor", {1, 2}, 5, "ADEF", 1, {2}, 2, "ADBCEF", 2},
      {"no selection", {0}, 0, "BCDEF", 0, {}, -1, "BCDEFA", 5},
      {"whole list", {0, 1, 2, 3, 4, 5}, 0, "", -1, {}, -1, "ABCDEF", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    FolderRows("ABCDEF");
    library.Folders()[c.cut.first()].IsChecked = false;
    Select(c.cut, c.focusAtCut);
    editor.Cut(ListKind::Folders);
    EXPECT_EQ(Names(), c.afterCut);
    EXPECT_EQ(library.CurrentFolderIndex(), c.currentAfterCut);
    EXPECT_EQ(library.CutState().CutBuffer.size(), c.cut.size());
    EXPECT_TRUE(library.CutState().PasteArmed);

    Select(c.pasteSelection, c.pasteFocus);
    editor.Paste(ListKind::Folders);
    EXPECT_EQ(Names(), c.afterPaste);
    EXPECT_EQ(library.CurrentFolderIndex(), c.currentAfterPaste);
    EXPECT_EQ(editor.Selection(ListKind::Folders).Rows.size(), c.cut.size()) << "pasted rows are selected";
    const int firstCut = static_cast<int>(QString(c.afterPaste).indexOf(QChar(u'A' + c.cut.first())));
    EXPECT_FALSE(library.Folders()[firstCut].IsChecked) << "the check mark travels with the row";
    EXPECT_FALSE(library.CutState().IsPending());
    EXPECT_TRUE(library.CutState().CutBuffer.isEmpty());
  }
}

TEST_F(ListEditorFixture, APendingCutLocksTheOtherCommandsAndASecondCut) {
  FolderRows("ABC");
  MakeFile(dir.path() + "/m1.mp3");
  library.Bgms() = {{true, "m1.mp3", dir.path()}};
  Select({1}, 1);
  editor.Cut(ListKind::Folders);

  ListButtonStates pasteOnly;
  pasteOnly.Paste = true;
  EXPECT_EQ(editor.ButtonStates(ListKind::Folders), pasteOnly);
  const ListButtonStates music = editor.ButtonStates(ListKind::Music);
  EXPECT_FALSE(music.Cut) << "the cut buffer is shared";
  EXPECT_FALSE(music.Paste);
  EXPECT_TRUE(music.Add && music.Up && music.Del && music.Clear && music.Explorer);

  // Another cut while one waits would lose the rows of the first.
  Select({0}, 0);
  editor.Cut(ListKind::Folders);
  Select({0}, 0, ListKind::Music);
  editor.Cut(ListKind::Music);
  EXPECT_EQ(Names(), "AC");
  EXPECT_EQ(Names(ListKind::Music), "m1.mp3");
  editor.Paste(ListKind::Music);
  EXPECT_EQ(Names(ListKind::Music), "m1.mp3") << "music paste has nothing of its own to paste";
  editor.Paste(ListKind::Folders);
  EXPECT_EQ(Names(), "BAC");

  // Loading a slideshow ends paste mode.
  Select({0}, 0);
  editor.Cut(ListKind::Folders);
  library.LoadSlideshow("旅行");
  EXPECT_FALSE(library.CutState().IsPending());
}

TEST_F(ListEditorFixture, ButtonStatesFollowRowsAndPasteMode) {
  ListButtonStates addOnly;
  addOnly.Add = addOnly.Explorer = true;
  EXPECT_EQ(editor.ButtonStates(ListKind::Folders), addOnly);
  FolderRows("A");
  ListButtonStates all{true, true, true, true, false, true, true, true, true, true};
  EXPECT_EQ(editor.ButtonStates(ListKind::Folders), all);
}

TEST_F(ListEditorFixture, DataFolderRowsKeepTheirPlaceThroughCutAndPaste) {
  MakeImageFolder(DataFolder("IMG/Trip"));
  MakeFile(DataFolder("BGM/Album/song.mp3"));
  MakeFile(DataFolder("BGM/top.mp3"));
  library.Folders() = {{true, "Trip", kDataFolderMarker}};
  library.Bgms() = {{true, "song.mp3", kDataFolderMarker + "\\Album"}, {false, "top.mp3", kDataFolderMarker + "\\"}};
  Select({0}, 0);
  editor.Cut(ListKind::Folders);
  EXPECT_EQ(library.CutState().CutBuffer, QStringList{"Trip,1"});
  editor.Paste(ListKind::Folders);
  EXPECT_EQ(library.Folders()[0], (ListEntry{true, "Trip", kDataFolderMarker}));
  EXPECT_EQ(library.CurrentFolderImages(), QStringList{DataFolder("IMG/Trip/a.jpg")});

  Select({0, 1}, 0, ListKind::Music);
  editor.Cut(ListKind::Music);
  EXPECT_EQ(library.CutState().CutBuffer, (QStringList{"Album/song.mp3,1", "top.mp3,0"}));
  editor.Paste(ListKind::Music);
  EXPECT_EQ(library.Bgms(), (BgmList{{true, "song.mp3", kDataFolderMarker + "\\Album"},
                                     {false, "top.mp3", kDataFolderMarker + "\\"}}));
}

TEST_F(ListEditorFixture, RemoveDuplicatesIgnoresLetterCaseAndKeepsTheFirst) {
  MakeImageFolder(photos + "/Trip");
  MakeImageFolder(photos + "/Home");
  library.Folders() = {{false, "Trip", photos},
                       {true, "Home", photos},
                       {true, "trip", photos.toLower()},
                       {true, "Home", photos}};
  Select({2}, 2);  // the remembered row is a duplicate: its first copy becomes current
  editor.RemoveDuplicates(ListKind::Folders);
  EXPECT_EQ(library.Folders(), (FolderList{{false, "Trip", photos}, {true, "Home", photos}}));
  EXPECT_EQ(library.CurrentFolderIndex(), 0);
  EXPECT_EQ(progress.steps, (QStringList{"■リストの編集■", "フォルダリストの重複項目を調べています。", "no bar", "closed"}));
  EXPECT_EQ(dialogs.informations, QStringList{"■リストの編集■\r\r2個の重複フォルダを削除しました。"});

  // A single row, and the music list with its own texts.
  dialogs.informations.clear();
  library.Folders().removeLast();
  editor.RemoveDuplicates(ListKind::Folders);
  MakeFile(dir.path() + "/a.mp3");
  library.Bgms() = {{true, "a.mp3", dir.path()}, {true, "A.MP3", dir.path()}};
  editor.RemoveDuplicates(ListKind::Music);
  EXPECT_EQ(dialogs.informations, (QStringList{"■リストの編集■\r\r重複フォルダはありませんでした。",
                                               "■リストの編集■\r\r1個の重複BGMを登録から削除しました。"}));
}

TEST_F(ListEditorFixture, DeleteMakesTheNextRowCurrentAndEmptyingShowsTheHint) {
  const struct {
    QList<int> selected;
    const char* after;
    int current;
  } cases[] = {{{1, 2}, "ADE", 1}, {{4}, "ABCD", 3}, {{0}, "BCDE", 0}, {{0, 1, 2, 3, 4}, "", -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.after);
    FolderRows("ABCDE");
    libraryView.hintShown = false;
    Select(c.selected, c.selected.first());
    editor.Delete(ListKind::Folders);
    EXPECT_EQ(Names(), c.after);
    EXPECT_EQ(library.CurrentFolderIndex(), c.current);
    EXPECT_EQ(libraryView.hintShown, c.current < 0);
    EXPECT_EQ(library.CurrentFolderImages().isEmpty(), c.current < 0);
  }
  EXPECT_TRUE(dialogs.questions.isEmpty()) << "delete asks nothing";

  MakeFile(dir.path() + "/a.mp3");
  library.Bgms() = {{true, "a.mp3", dir.path()}};
  libraryView.hintShown = false;
  Select({0}, 0, ListKind::Music);
  editor.Delete(ListKind::Music);
  EXPECT_EQ(library.CurrentBgmIndex(), -1);
  EXPECT_FALSE(libraryView.hintShown) << "the music list has no start hint";
}

TEST_F(ListEditorFixture, CdMakingProtectsDataFolderRowsFromDeleteAndClear) {
  library.SetRunMode(RunMode::CdMaking);
  MakeImageFolder(DataFolder("IMG/Trip"));
  MakeImageFolder(photos + "/A");
  const FolderList rows = {{true, "Trip", kDataFolderMarker}, {true, "A", photos}, {true, "Trip", kDataFolderMarker}};
  const struct {
    QList<int> selected;
    int focused;
    const char* message;
  } cases[] = {
      {{0}, 0, "この画像フォルダはデータフォルダ（IMG）内にあります。"},
      {{0, 2}, 0, "これらの画像フォルダはデータフォルダ（IMG）内にあります。"},
      {{0, 1}, 1, "選択項目にはデータフォルダ（IMG）内の画像フォルダが含まれています。"},
  };
  for (const auto& c : cases) {
    library.Folders() = rows;
    dialogs.informations.clear();
    Select(c.selected, c.focused);
    editor.Delete(ListKind::Folders);
    EXPECT_EQ(library.Folders(), rows);
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations[0].startsWith(QString::fromUtf8(c.message))) << c.message;
  }
  dialogs.informations.clear();
  editor.Clear(ListKind::Folders);
  EXPECT_EQ(library.Folders(), rows);
  EXPECT_TRUE(dialogs.questions.isEmpty());
  EXPECT_TRUE(dialogs.informations.value(0).startsWith("データフォルダ（IMG）内の画像フォルダが含まれています。"));

  // Rows outside the data folder are deleted as usual.
  Select({1}, 1);
  editor.Delete(ListKind::Folders);
  EXPECT_EQ(library.Folders().size(), 2);
}

TEST_F(ListEditorFixture, ClearAsksFirst) {
  FolderRows("AB");
  dialogs.answer = false;
  editor.Clear(ListKind::Folders);
  EXPECT_EQ(Names(), "AB");
  EXPECT_EQ(dialogs.questions, QStringList{"フォルダリストの項目を全て削除します。\rよろしいですか？"});
  dialogs.answer = true;
  editor.Clear(ListKind::Folders);
  EXPECT_EQ(Names(), "");
  EXPECT_EQ(library.CurrentFolderIndex(), -1);
  EXPECT_TRUE(libraryView.hintShown);
}

TEST_F(ListEditorFixture, SortsIgnoreLetterCaseAndTheCurrentRowFollows) {
  MakeImageFolder(photos + "/b");
  MakeImageFolder(photos + "/A");
  MakeImageFolder(photos + "/z/C");
  MakeImageFolder(DataFolder("IMG/D"));
  const FolderList rows = {{true, "b", photos}, {true, "C", photos + "/z"}, {true, "D", kDataFolderMarker},
                           {true, "A", photos}};
  const struct {
    SortColumn column;
    bool descending;
    const char* order;
  } cases[] = {
      {SortColumn::Name, false, "AbCD"},
      {SortColumn::Name, true, "DCbA"},
      {SortColumn::Location, false, "DbAC"},  // "(" sorts before "/"; equal places keep their order
      {SortColumn::Location, true, "CbAD"},
  };
  for (const auto& c : cases) {
    library.Folders() = rows;
    library.SetCurrentFolderIndex(1);
    Select({1}, 1);
    editor.Sort(ListKind::Folders, c.column, c.descending);
    EXPECT_EQ(Names(), c.order);
    const int c_at = static_cast<int>(QString(c.order).indexOf('C'));
    EXPECT_EQ(library.CurrentFolderIndex(), c_at);
    EXPECT_EQ(editor.Selection(ListKind::Folders).Rows, QList<int>{c_at});
  }
}

TEST_F(ListEditorFixture, CheckMarksOnSelectedOrAllRows) {
  FolderRows("ABC");
  Select({0, 2}, 0);
  editor.SetChecks(ListKind::Folders, false, false);
  EXPECT_EQ(editor.CheckedCount(ListKind::Folders), 1);
  EXPECT_TRUE(library.Folders()[1].IsChecked);
  editor.SetChecks(ListKind::Folders, false, true);
  EXPECT_EQ(editor.CheckedCount(ListKind::Folders), 0);
  editor.SetChecks(ListKind::Folders, true, true);
  EXPECT_EQ(editor.CheckedCount(ListKind::Folders), 3);
  EXPECT_TRUE(view.calls.contains("header:dir"));
}

TEST_F(ListEditorFixture, AddTakesTheImagesFolderAndMarksDataFolderRows) {
  MakeImageFolder(photos + "/A", "x.png");
  MakeImageFolder(DataFolder("IMG/Trip"));
  editor.Add(ListKind::Folders, {photos + "/A/x.png"});
  editor.Add(ListKind::Folders, {photos + "/A/x.png"});
  editor.Add(ListKind::Folders, {DataFolder("IMG/Trip/a.jpg")});
  EXPECT_EQ(library.Folders(), (FolderList{{true, "A", photos}, {true, "A", photos}, {true, "Trip", kDataFolderMarker}}));
  EXPECT_EQ(library.CurrentFolderIndex(), 2);
  EXPECT_EQ(library.CurrentFolderImages(), QStringList{DataFolder("IMG/Trip/a.jpg")});
  EXPECT_FALSE(libraryView.hintShown);
  EXPECT_TRUE(view.calls.contains("preview"));

  const QString music = dir.path() + "/Music/";
  editor.Add(ListKind::Music, {music + "b.mp3", music + "A.wav", DataFolder("BGM/Album/s.mp3"), music + "b.mp3"});
  EXPECT_EQ(library.Bgms(), (BgmList{{true, "A.wav", dir.path() + "/Music"},
                                     {true, "b.mp3", dir.path() + "/Music"},
                                     {true, "s.mp3", kDataFolderMarker + "\\Album"}}));
  EXPECT_EQ(editor.Selection(ListKind::Music), (ListSelection{{0, 1, 2}, 2}));
  EXPECT_EQ(library.CurrentBgmIndex(), 2);
}

TEST_F(ListEditorFixture, ClicksAndArrowKeysMoveTheCurrentRow) {
  FolderRows("ABC");
  Select({}, -1);
  editor.FolderListClicked();
  EXPECT_EQ(library.CurrentFolderIndex(), 0);
  EXPECT_EQ(editor.Selection(ListKind::Folders).Rows, QList<int>{0});
  Select({0, 2}, 2);
  editor.FolderListClicked();
  EXPECT_EQ(library.CurrentFolderIndex(), 2);
  EXPECT_EQ(library.CurrentFolderImages(), QStringList{photos + "/C/a.jpg"});
  editor.ArrowKey(ListKind::Folders, false);
  EXPECT_EQ(library.CurrentFolderIndex(), 2) << "nothing below the last row";
  editor.ArrowKey(ListKind::Folders, true);
  EXPECT_EQ(library.CurrentFolderIndex(), 1);
  EXPECT_EQ(editor.Selection(ListKind::Folders), (ListSelection{{1}, 1}));
  EXPECT_EQ(library.CurrentFolderImages(), QStringList{photos + "/B/a.jpg"});
}

TEST_F(ListEditorFixture, ReloadSavesAndReadsTheListBack) {
  FolderRows("AB");
  library.Folders()[1].IsChecked = false;
  editor.Reload(ListKind::Folders);
  EXPECT_EQ(FileBytes(programFolder + "SlideShow/旅行/DIR.dat"),
            (photos + "/A,1\r\n" + photos + "/B,0\r\n").toUtf8());
  EXPECT_EQ(Names(), "AB");
  EXPECT_FALSE(library.Folders()[1].IsChecked);

  // A list that cannot be saved is not replaced by the old file.
  QDir(programFolder + "SlideShow/旅行").removeRecursively();
  QFile(programFolder + "SlideShow/旅行").open(QIODevice::WriteOnly);  // a file where the folder was
  editor.Reload(ListKind::Folders);
  EXPECT_EQ(Names(), "AB");
  EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(ListEditorFixture, DroppedItemsAreAppendedSelectedOnBothTabs) {
  FolderRows("A");
  MakeImageFolder(photos + "/B");
  MakeFile(dir.path() + "/m.mp3");
  editor.AddDropped({{photos + "/B", photos + "/A"}, {dir.path() + "/m.mp3"}});
  EXPECT_EQ(Names(), "ABA") << "dropped folders are not compared with the list";
  EXPECT_EQ(editor.Selection(ListKind::Folders), (ListSelection{{1, 2}, 2}));
  EXPECT_EQ(library.CurrentFolderIndex(), 2);
  EXPECT_EQ(Names(ListKind::Music), "m.mp3");
  EXPECT_TRUE(view.calls.contains("panel"));
  EXPECT_TRUE(view.calls.contains("tab:bgm"));
}

TEST(ListMenuItems, ItemsShownByModeAndSelection) {
  const QList<ListEntry> rows = {{true, "Trip", kDataFolderMarker}, {true, "A", "/p"}};
  const struct {
    RunMode mode;
    QList<int> selected;
    bool openSelected, openData, copy, remove;
  } cases[] = {
      {RunMode::Normal, {1}, true, false, false, false},   {RunMode::Normal, {0, 1}, false, false, false, false},
      {RunMode::CdMaking, {}, false, true, false, false},  {RunMode::CdMaking, {0}, true, true, false, true},
      {RunMode::CdMaking, {1}, true, true, true, false},   {RunMode::CdMaking, {0, 1}, false, true, false, false},
  };
  for (const auto& c : cases) {
    const ListMenuItems m = BuildListMenuItems(ListKind::Folders, c.mode, rows, ListSelection{c.selected, -1});
    EXPECT_EQ(m.OpenSelectedShown, c.openSelected);
    EXPECT_EQ(m.OpenDataFolderShown, c.openData);
    EXPECT_EQ(m.CopyShown, c.copy);
    EXPECT_EQ(m.DeleteShown, c.remove);
  }
  const ListMenuItems music = BuildListMenuItems(ListKind::Music, RunMode::Normal, {}, {});
  EXPECT_EQ(music.NameSort, "\"ファイル名\"で整列(&I)");
  EXPECT_EQ(music.LocationSort, "\"場所\"で'整列(&A)");
  EXPECT_EQ(music.OpenDataFolder, "データフォルダ（BGM）を開く(&B)");
}

}  // namespace
