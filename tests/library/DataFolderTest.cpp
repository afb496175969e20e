// The data-folder commands and their file operations, on real folders.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <utility>

#include "engine/ProgressWindow.h"
#include "library/DataFolderCommands.h"
#include "library/DataFolderFiles.h"
#include "library/FakeLibraryView.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/SlideshowLibrary.h"
#include "platform/ScopedFileSizeLimit.h"

namespace {

class RecordingProgress final : public ProgressWindow {
 public:
  void Open(const QString& title, const QString& text, bool withBar) override {
    shown = true;
    log.append("open " + title + " " + text + (withBar ? " bar" : ""));
  }
  void SetText(const QString& text) override { log.append(text); }
  void Close() override {
    shown = false;
    log.append("close");
  }
  bool IsShowing() const override { return shown; }
  void SetBarMaximum(int maximum) override { log.append("max " + QString::number(maximum)); }
  void SetBarValue(int value) override { log.append("bar " + QString::number(value)); }
  bool shown = false;
  QStringList log;
};

QStringList Listing(const QString& folder) {
  QStringList tree;
  ListFolderTree(folder, kTreeAll, false, true, true, tree, true);
  for (QString& entry : tree) entry = entry.mid(folder.size());
  return tree;
}

struct DataFolderFixture : ::testing::Test {
  QTemporaryDir dir;
  QString root = dir.path() + "/";
  QString programFolder = root + "CD/";
  QString show = programFolder + "SlideShow/旅行/";
  FakeUserDialogs dialogs;
  FakeLibraryView view;
  RecordingProgress progress;
  SlideshowLibrary library{programFolder, dialogs};
  DataFolderCommands commands{library, dialogs, &view, &progress};

  void SetUp() override {
    library.SetRunMode(RunMode::CdMaking);
    QDir().mkpath(show);
    library.LoadSlideshow("旅行");
    view.calls.clear();
  }

  void SetFolders(const QList<ListEntry>& rows) {
    library.Folders() = rows;
    library.SetCurrentFolderIndex(rows.isEmpty() ? -1 : 0);
  }
  void SetMusic(const QList<ListEntry>& rows) {
    library.Bgms() = rows;
    library.SetCurrentBgmIndex(rows.isEmpty() ? -1 : 0);
  }
  static ListSelection All(int n) {
    ListSelection s;
    for (int i = 0; i < n; ++i) s.Rows.append(i);
    s.Focused = 0;
    return s;
  }
};

TEST_F(DataFolderFixture, CopyingTwoFoldersOfOneNameCopiesTheFirstAndSharesItsFolder) {
  MakeFile(root + "A/Trip/1.jpg", "one");
  MakeFile(root + "A/Trip/2.PNG", "two");
  MakeFile(root + "A/Trip/notes.txt");
  MakeFile(root + "A/Trip/sub/3.jpg");
  MakeFile(root + "B/Trip/9.jpg");
  const QDateTime stamp = QDateTime::fromSecsSinceEpoch(1'500'000'000);
  {
    QFile f(root + "A/Trip/1.jpg");
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(stamp, QFileDevice::FileModificationTime);
  }
  SetFolders({{true, "Trip", root + "A"}, {false, "Trip", root + "B"}});

  commands.CopyToDataFolder(DataListKind::Folders, All(2));

  ASSERT_EQ(dialogs.questions.size(), 1);
  EXPECT_EQ(dialogs.questions[0],
            "■データフォルダの編集■\r\r2個の画像フォルダを画像用のデータフォルダ（IMG）へコピーします。\r"
            "また、リストの場所欄もデータフォルダに変更します。\r\rよろしいですか？");
  EXPECT_EQ(Listing(show + "IMG/"), QStringList({"Trip/", "Trip/1.jpg", "Trip/2.PNG"}));
  EXPECT_EQ(FileBytes(show + "IMG/Trip/1.jpg"), "one");
  EXPECT_EQ(QFileInfo(show + "IMG/Trip/1.jpg").lastModified(), stamp);
  EXPECT_EQ(library.Folders()[0], (ListEntry{true, "Trip", "(データフォルダ)"}));
  EXPECT_EQ(library.Folders()[1], (ListEntry{false, "Trip", "(データフォルダ)"}));
  // The bar follows the pictures of a folder; a folder that is there already
  // does not move it.
  EXPECT_EQ(progress.log, QStringList({"open ■データフォルダの編集■ コピーしています。 bar", "max 200",
                                       "コピーしています。(1/2)", "bar 49", "bar 99", "bar 100",
                                       "コピーしています。(2/2)", "bar 100", "close"}));
  ASSERT_EQ(dialogs.informations.size(), 1);
  EXPECT_EQ(dialogs.informations[0],
            "■データフォルダの編集■\r\r2個の画像フォルダの内、"
            "\r下記の1個をデータフォルダ（IMG）へコピーしました。\r\r" + root + "A/Trip\r"
            "\r下記の1個はすでに同名のフォルダが存在しているため、リストのみ更新しました。\r\r" + root + "B/Trip\r");
  // The current row now lies in the data folder, and so do its images.
  EXPECT_EQ(library.CurrentFolderImages(), QStringList({show + "IMG/Trip/1.jpg", show + "IMG/Trip/2.PNG"}));
}

TEST_F(DataFolderFixture, AnExistingTargetIsNeverReplaced) {
  MakeFile(root + "A/Trip/1.jpg", "new");
  MakeFile(show + "IMG/Trip/1.jpg", "old");
  EXPECT_EQ(CopyFileNoOverwrite(root + "A/Trip/1.jpg", show + "IMG/Trip/1.jpg", dialogs), CopyResult::TargetExists);
  EXPECT_TRUE(CopyOneFile(root + "A/Trip/1.jpg", show + "IMG/Trip/1.jpg", dialogs));
  EXPECT_EQ(FileBytes(show + "IMG/Trip/1.jpg"), "old");
  EXPECT_FALSE(CopyOneFile(root + "missing.jpg", show + "x.jpg", dialogs));
  EXPECT_FALSE(CopyFolderImages(root + "missing", show + "IMG/m", dialogs));
  EXPECT_EQ(dialogs.informations, QStringList({"コピー元が存在しません。", "コピー元が存在しません。"}));
  EXPECT_FALSE(QFileInfo::exists(show + "IMG/m"));
}

// A picture that vanishes (here a link to nothing) or a disk that fills up
// halfway: the row stays outside, nothing is left under a final name, and a
// second attempt after the cause is gone copies everything.
TEST_F(DataFolderFixture, AFolderCopyThatFailsHalfwayLeavesNothingBehind) {
  MakeFile(root + "A/Trip/1.jpg", "one");
  ASSERT_TRUE(QFile::link(root + "gone.jpg", root + "A/Trip/2.jpg"));
  MakeFile(root + "B/Big/1.jpg", QByteArray(64, 'x'));
  SetFolders({{true, "Trip", root + "A"}, {true, "Big", root + "B"}});
  {
    ScopedFileSizeLimit fullDisk(16);
    commands.CopyToDataFolder(DataListKind::Folders, All(2));
  }
  EXPECT_EQ(library.Folders()[0].Location, root + "A");
  EXPECT_EQ(library.Folders()[1].Location, root + "B");
  EXPECT_EQ(Listing(show + "IMG/"), QStringList());
  ASSERT_EQ(dialogs.informations.size(), 1);
  EXPECT_TRUE(dialogs.informations[0].endsWith("\r下記の2個はコピーできませんでした。\r\r" + root + "A/Trip\r" +
                                               root + "B/Big\r"))
      << dialogs.informations[0].toStdString();

  QFile::remove(root + "A/Trip/2.jpg");
  MakeFile(root + "A/Trip/2.jpg", "two");
  commands.CopyToDataFolder(DataListKind::Folders, All(2));
  EXPECT_EQ(Listing(show + "IMG/"), QStringList({"Big/", "Big/1.jpg", "Trip/", "Trip/1.jpg", "Trip/2.jpg"}));
  EXPECT_EQ(dialogs.informations.last(),
            "■データフォルダの編集■\r\r2個の画像フォルダをデータフォルダ（IMG）へコピーしました。");
}

TEST_F(DataFolderFixture, MusicCopiesCarryTheirArtworkOnce) {
  MakeFile(root + "Music/Album/a.mp3");
  MakeFile(root + "Music/Album/b.mp3");
  MakeFile(root + "Music/Album/cover.jpg");
  MakeFile(root + "Music/Other/c.wav");
  SetMusic({{true, "a.mp3", root + "Music/Album"}, {true, "c.wav", root + "Music/Other"}});
  commands.CopyToDataFolder(DataListKind::Music, All(2));
  EXPECT_EQ(Listing(show + "BGM/"),
            QStringList({"Album/", "Album/a.mp3", "Album/cover.jpg", "Other/", "Other/c.wav"}));
  EXPECT_EQ(library.Bgms()[0].Location, "(データフォルダ)\\Album");
  EXPECT_EQ(library.Bgms()[1].Location, "(データフォルダ)\\Other");
  EXPECT_EQ(dialogs.informations.last(),
            "■データフォルダの編集■\r\r2個のBGMファイルをデータフォルダ（BGM）へコピーしました。"
            "\r同時に1個のアートワークファイルもコピーしました。");

  library.Bgms().append({true, "b.mp3", root + "Music/Album"});
  ListSelection third;
  third.Rows = {2};
  third.Focused = 2;
  commands.CopyToDataFolder(DataListKind::Music, third);
  EXPECT_EQ(dialogs.informations.last(),
            "■データフォルダの編集■\r\r1個のBGMファイルをデータフォルダ（BGM）へコピーしました。");
}

TEST_F(DataFolderFixture, CancellingOrSelectingNothingChangesNothing) {
  MakeFile(root + "A/Trip/1.jpg");
  SetFolders({{true, "Trip", root + "A"}});
  dialogs.answer = false;
  commands.CopyToDataFolder(DataListKind::Folders, All(1));
  commands.CopyToDataFolder(DataListKind::Folders, ListSelection{});
  EXPECT_EQ(dialogs.questions.size(), 1);
  EXPECT_TRUE(dialogs.informations.isEmpty());
  EXPECT_TRUE(progress.log.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(show + "IMG"));
  EXPECT_EQ(library.Folders()[0].Location, root + "A");
}

TEST_F(DataFolderFixture, DeletingFoldersNeverFollowsALinkOutOfTheSlideshow) {
  MakeFile(root + "Outside/keep.jpg", "keep");
  MakeFile(show + "IMG/Trip/1.jpg");
  MakeFile(show + "IMG/Trip/deep/x.txt");
  ASSERT_TRUE(QFile::link(root + "Outside", show + "IMG/Trip/link"));
  ASSERT_TRUE(QFile::link(root + "Outside/keep.jpg", show + "IMG/Trip/keep.jpg"));
  ASSERT_TRUE(QFile::link(root + "Outside", show + "IMG/Linked"));
  QFile::setPermissions(show + "IMG/Trip/deep", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  SetFolders({{true, "Trip", "(データフォルダ)"}, {true, "Linked", "(データフォルダ)"},
              {true, "Gone", "(データフォルダ)"}});

  commands.DeleteFromDataFolder(DataListKind::Folders, All(3));

  EXPECT_EQ(dialogs.questions[0],
            "■データフォルダの編集■\r\r3個の画像フォルダを画像用のデータフォルダ（IMG）から削除します。\r\rよろしいですか？");
  EXPECT_EQ(Listing(show + "IMG/"), QStringList());
  EXPECT_EQ(FileBytes(root + "Outside/keep.jpg"), "keep");
  EXPECT_TRUE(library.Folders().isEmpty());
  EXPECT_TRUE(library.CurrentFolderImages().isEmpty());
  EXPECT_TRUE(view.hintShown);
  EXPECT_EQ(dialogs.informations.last(),
            "■データフォルダの編集■\r\r3個の画像フォルダの内、"
            "\r下記の2個をデータフォルダ（IMG）から削除しました。\r\r" + show + "IMG/Trip\r" + show + "IMG/Linked\r"
            "\r下記の1個はすでに存在しないため、リストのみ更新しました。\r\r" + show + "IMG/Gone\r");
}

TEST_F(DataFolderFixture, DeletingTheLastSongOfASubfolderRemovesItWithItsArtwork) {
  MakeFile(show + "BGM/Album/a.mp3");
  MakeFile(show + "BGM/Album/b.mp3");
  MakeFile(show + "BGM/Album/cover.jpg");
  MakeFile(show + "BGM/Other/c.mp3");
  MakeFile(show + "BGM/Other/cover.jpg");
  SetMusic({{true, "a.mp3", "(データフォルダ)\\Album"}, {true, "b.mp3", "(データフォルダ)\\Album"},
            {true, "c.mp3", "(データフォルダ)\\Other"}});
  ListSelection two;
  two.Rows = {0, 2};
  two.Focused = 2;
  commands.DeleteFromDataFolder(DataListKind::Music, two);
  EXPECT_EQ(Listing(show + "BGM/"), QStringList({"Album/", "Album/b.mp3", "Album/cover.jpg"}));
  ASSERT_EQ(library.Bgms().size(), 1);
  EXPECT_EQ(library.Bgms()[0].Name, "b.mp3");
  EXPECT_EQ(library.CurrentBgmIndex(), 0);
  EXPECT_EQ(dialogs.informations.last(),
            "■データフォルダの編集■\r\r2個のBGMファイルをデータフォルダ（BGM）から削除しました。");
}

// Messages run during the copy; a list changed meanwhile is left as it now
// is, apart from rows that are still the ones the command began with.
TEST(DataFolderCommandsDuringEdits, RowsChangedMeanwhileAreLeftAlone) {
  class EditingDialogs final : public UserDialogs {
   public:
    void ShowInformation(const QString&) override {}
    void ShowError(const QString&) override {}
    bool AskYesNo(const QString&) override { return true; }
    void ProcessPendingMessages() override {
      if (edit) std::exchange(edit, nullptr)();
    }
    std::function<void()> edit;
  };
  QTemporaryDir dir;
  const QString root = dir.path() + "/";
  QDir().mkpath(root + "CD/SlideShow/旅行");
  MakeFile(root + "A/Trip/1.jpg");
  MakeFile(root + "B/Park/1.jpg");
  EditingDialogs dialogs;
  SlideshowLibrary library(root + "CD/", dialogs);
  library.SetRunMode(RunMode::CdMaking);
  library.LoadSlideshow("旅行");
  library.Folders() = {{true, "Trip", root + "A"}, {true, "Park", root + "B"}};
  library.SetCurrentFolderIndex(0);
  DataFolderCommands commands(library, dialogs, nullptr, nullptr);
  dialogs.edit = [&] { library.Folders().removeFirst(); };
  commands.CopyToDataFolder(DataListKind::Folders, ListSelection{{0, 1}, 0});
  ASSERT_EQ(library.Folders().size(), 1);
  EXPECT_EQ(library.Folders()[0], (ListEntry{true, "Park", root + "B"}));
  EXPECT_TRUE(QFileInfo::exists(root + "CD/SlideShow/旅行/IMG/Park/1.jpg"));
}

// A music row lies in the data folder below the marker; a folder row only at it.
TEST(DataFolderRows, MusicBelowTheMarkerFoldersOnlyAtIt) {
  EXPECT_TRUE(IsDataFolderRow(DataListKind::Music, {true, "a.mp3", "(データフォルダ)\\Album"}));
  EXPECT_FALSE(IsDataFolderRow(DataListKind::Folders, {true, "a", "(データフォルダ)\\Album"}));
}

}  // namespace
