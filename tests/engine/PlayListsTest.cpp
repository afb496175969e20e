#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "engine/LoadingLabel.h"
#include "engine/PlayListBuilder.h"
#include "engine/PlayListTexts.h"
#include "engine/ProgressWindow.h"
#include "engine/ShuffleCopy.h"
#include "library/OptionItems.h"
#include "platform/Random.h"
#include "platform/UserDialogs.h"

namespace {

class RecordingDialogs : public UserDialogs {
 public:
  void ShowInformation(const QString& text) override { infos << text; }
  void ShowError(const QString& text) override { infos << text; }
  bool AskYesNo(const QString&) override { return true; }
  void ProcessPendingMessages() override { ++pumps; }
  QStringList infos;
  int pumps = 0;
};

class RecordingProgress : public ProgressWindow {
 public:
  void Open(const QString& title, const QString& text, bool withBar) override {
    showing = true;
    steps << title << text;
    EXPECT_FALSE(withBar);
  }
  void SetText(const QString& text) override { steps << text; }
  void Close() override { showing = false; }
  bool IsShowing() const override { return showing; }
  QStringList steps;
  bool showing = false;
};

class PlayListsTest : public ::testing::Test {
 protected:
  PlayListsTest() : env{dialogs, &progress, [this] { return displayShowing; }, [this] { ++nextFolderCalls; }} {
    root = dir.path() + "/";
    MakeFolder("A", {"b.gif", "a1.jpg", "A2.PNG", "note.txt"});
    MakeFolder("A/sub", {"deep.jpg"});
    MakeFolder("B", {"x.bmp", "y.jpeg"});
    MakeFolder("C/only", {"inside.jpg"});
    MakeFolder("D", {"z.JPE"});
    // Rows: A, an unmarked row, B, D, C.
    sources.Folders = {Row("A"), Row("X", false), Row("B"), Row("D"), Row("C")};
    sources.Bgms = {{true, "one.mp3", root + "music"}, {false, "two.mp3", root + "music"},
                    {true, "three.mp3", kDataFolderMarker + "\\Album"}};
    sources.SlideshowFolder = root + "SlideShow/Trip/";
  }
  void MakeFolder(const QString& name, const QStringList& files) {
    QDir().mkpath(root + name);
    for (const QString& f : files) {
      QFile file(root + name + "/" + f);
      file.open(QIODevice::WriteOnly);
    }
  }
  ListEntry Row(const QString& name, bool checked = true) { return ListEntry{checked, name, dir.path()}; }
  QStringList Names(const QStringList& paths) {
    QStringList names;
    for (const QString& p : paths) names << p.mid(root.size());
    return names;
  }

  QTemporaryDir dir;
  QString root;
  RecordingDialogs dialogs;
  RecordingProgress progress;
  bool displayShowing = false;
  int nextFolderCalls = 0;
  PlayListEnvironment env;
  PlayListSources sources;
  PlayLists lists;
};

}  // namespace

TEST_F(PlayListsTest, FromTheTopInListOrder) {
  ASSERT_TRUE(StartPlayLists(lists, sources, env));
  EXPECT_EQ(Names(lists.FolderPlayList), (QStringList{"A", "B", "D", "C"}));
  EXPECT_EQ(lists.FolderPlayIndex, 0);
  // Sorted with case ignored; subfolders and other files are left out.
  EXPECT_EQ(Names(lists.ImagePlayList), (QStringList{"A/a1.jpg", "A/A2.PNG", "A/b.gif"}));
  EXPECT_EQ(lists.CurrentImageIndex, 0);
  EXPECT_EQ(lists.BgmPlayList, (QStringList{root + "music/one.mp3", root + "SlideShow/Trip/BGM/Album/three.mp3"}));
  EXPECT_EQ(progress.steps, (QStringList{kListProgressTitle, kBgmListProgressText, kImageListProgressText}));
  EXPECT_FALSE(progress.showing);
  EXPECT_TRUE(dialogs.infos.isEmpty());
  EXPECT_GT(dialogs.pumps, 5);
}

TEST_F(PlayListsTest, FromTheSelectedRowAmongMarkedRows) {
  sources.FolderOrder = kOrderFromSelected;
  sources.ImageOrder = kOrderFromSelected;
  sources.SelectedFolderRows = {3};  // D: the third marked row
  sources.PreviewImageIndex = 4;
  ASSERT_TRUE(StartPlayLists(lists, sources, env));
  EXPECT_EQ(lists.FolderPlayIndex, 2);
  EXPECT_EQ(Names(lists.ImagePlayList), QStringList{"D/z.JPE"});
  EXPECT_EQ(lists.CurrentImageIndex, 0);  // past the end of D: its last image

  sources.SelectedFolderRows = {0};
  sources.PreviewImageIndex = 2;
  ASSERT_TRUE(StartPlayLists(lists, sources, env));
  EXPECT_EQ(lists.CurrentImageIndex, 2);

  // The preview position counts only with folder order 1 or 3.
  sources.FolderOrder = kOrderFromTop;
  ASSERT_TRUE(StartPlayLists(lists, sources, env));
  EXPECT_EQ(lists.CurrentImageIndex, 0);

  // Music from the selected track: its position among the marked rows.
  sources.MusicOrder = kOrderLoopOrAll;
  sources.SelectedBgmRows = {2};
  ASSERT_TRUE(StartPlayLists(lists, sources, env));
  EXPECT_EQ(lists.BgmPlayIndex, 1);
}

TEST_F(PlayListsTest, ShuffledOrders) {
  SeedRandom(11);
  sources.FolderOrder = kOrderShuffle;
  sources.ImageOrder = kOrderShuffle;
  sources.MusicOrder = kOrderShuffle;
  ASSERT_TRUE(StartPlayLists(lists, sources, env));
  QStringList folders = Names(lists.FolderPlayList);
  folders.sort();
  EXPECT_EQ(folders, (QStringList{"A", "B", "C", "D"}));
  EXPECT_EQ(lists.FolderPlayIndex, 0);
  EXPECT_EQ(lists.BgmPlayList.size(), 2);

  // One marked folder: that folder, index 0.
  sources.Folders = {Row("A", false), Row("B")};
  ASSERT_TRUE(StartPlayLists(lists, sources, env));
  EXPECT_EQ(Names(lists.FolderPlayList), QStringList{"B"});
  QStringList images = Names(lists.ImagePlayList);
  images.sort();
  EXPECT_EQ(images, (QStringList{"B/x.bmp", "B/y.jpeg"}));

  // All images of all marked folders together; the folder selection is not
  // examined, even for the loop order with nothing selected.
  sources.Folders = {Row("A"), Row("B"), Row("C"), Row("D")};
  sources.FolderOrder = kOrderLoopOrAll;
  sources.ImageOrder = kOrderLoopOrAll;
  ASSERT_TRUE(StartPlayLists(lists, sources, env));
  EXPECT_TRUE(dialogs.infos.isEmpty());
  EXPECT_EQ(lists.FolderPlayIndex, 0);
  images = Names(lists.ImagePlayList);
  images.sort(Qt::CaseInsensitive);
  EXPECT_EQ(images, (QStringList{"A/a1.jpg", "A/A2.PNG", "A/b.gif", "B/x.bmp", "B/y.jpeg", "D/z.JPE"}));
}

TEST_F(PlayListsTest, SelectionChecksAbandonTheStart) {
  const QString many = "オプションの[フォルダ]が[ループ] になっていますが\rフォルダリストの選択項目が複数あります。\r\r"
                       "※ 実行するためには、どれか一つを選択してください。";
  const QString unchecked = "オプションの[BGM]が[ループ] になっていますが\rBGMリストの選択項目にチェックがありません。\r\r"
                            "※ 実行するためには、選択項目にチェックを付けてください。";
  const QString none = "オプションの[フォルダ]が[昇順（選択位置から）] になっていますが\rフォルダリストの項目が選択されていません。\r\r"
                       "※ 実行するためには、どれか一つを選択してください。";
  struct Case {
    int folderOrder, musicOrder;
    QList<int> folderRows, bgmRows;
    QString message;
  };
  const Case cases[] = {
      {kOrderLoopOrAll, 0, {0, 2}, {}, many},
      {0, kOrderLoopOrAll, {}, {1}, unchecked},
      {kOrderFromSelected, 0, {}, {}, none},
  };
  for (const Case& c : cases) {
    dialogs.infos.clear();
    sources.FolderOrder = c.folderOrder;
    sources.MusicOrder = c.musicOrder;
    sources.SelectedFolderRows = c.folderRows;
    sources.SelectedBgmRows = c.bgmRows;
    EXPECT_FALSE(StartPlayLists(lists, sources, env));
    EXPECT_EQ(dialogs.infos, QStringList{c.message});
    EXPECT_FALSE(progress.showing);
  }
  EXPECT_EQ(CheckListSelection(sources.Bgms, {0, 1}, kBgmFromSelectedPrefix, kBgmListSubject),
            "オプションの[BGM]が[昇順（選択位置から）] になっていますが\rBGMリストの選択項目が複数あります。\r\r"
            "※ 実行するためには、どれか一つを選択してください。");
  EXPECT_EQ(CheckListSelection(sources.Bgms, {}, kBgmLoopPrefix, kBgmListSubject),
            "オプションの[BGM]が[ループ] になっていますが\rBGMリストの項目が選択されていません。\r\r"
            "※ 実行するためには、どれか一つを選択してください。");
  EXPECT_EQ(CheckListSelection(sources.Folders, {1}, kFolderLoopPrefix, kFolderListSubject),
            "オプションの[フォルダ]が[ループ] になっていますが\rフォルダリストの選択項目にチェックがありません。\r\r"
            "※ 実行するためには、選択項目にチェックを付けてください。");
  EXPECT_TRUE(CheckListSelection(sources.Folders, {2}, kFolderLoopPrefix, kFolderListSubject).isEmpty());

  // Music switched off: its selection is not examined.
  dialogs.infos.clear();
  sources.FolderOrder = 0;
  sources.MusicOrder = kOrderFromSelected;
  sources.SelectedBgmRows = {};
  sources.UseBgm = false;
  EXPECT_TRUE(StartPlayLists(lists, sources, env));
  EXPECT_TRUE(lists.BgmPlayList.isEmpty());
  EXPECT_TRUE(dialogs.infos.isEmpty());
}

TEST_F(PlayListsTest, NothingToStart) {
  sources.Folders.clear();
  EXPECT_FALSE(StartPlayLists(lists, sources, env));
  EXPECT_TRUE(dialogs.infos.isEmpty());
  EXPECT_TRUE(progress.steps.isEmpty());
  sources.Folders = {Row("A", false)};
  EXPECT_FALSE(StartPlayLists(lists, sources, env));
  EXPECT_EQ(dialogs.infos, QStringList{kNoMarkedFolderText});
}

TEST_F(PlayListsTest, FolderWithoutImagesIsSkippedOnlyWhileTheDisplayShows) {
  lists.FolderPlayList = {root + "C", root + "D"};
  lists.FolderPlayIndex = 0;
  lists.ImagePlayList = {"old"};
  BuildImagePlayList(lists, kOrderFromTop, env);
  EXPECT_TRUE(lists.ImagePlayList.isEmpty());  // its image sits in a subfolder
  EXPECT_EQ(nextFolderCalls, 0);
  displayShowing = true;
  BuildImagePlayList(lists, kOrderFromTop, env);
  EXPECT_EQ(nextFolderCalls, 1);
  lists.FolderPlayIndex = 1;
  BuildImagePlayList(lists, kOrderFromTop, env);
  EXPECT_EQ(Names(lists.ImagePlayList), QStringList{"D/z.JPE"});
  EXPECT_EQ(nextFolderCalls, 1);
}

TEST(ShuffleCopyTest, TwoItemsInEitherOrderEvenly) {
  SeedRandom(2024);
  int abFirst = 0;
  const int draws = 20000;
  for (int i = 0; i < draws; ++i) {
    QStringList target;
    ShuffleCopy({"a", "b"}, target, nullptr);
    ASSERT_EQ(target.size(), 2);
    ASSERT_NE(target[0], target[1]);
    if (target[0] == "a") ++abFirst;
  }
  // Within five standard deviations (about 354) of one half.
  EXPECT_NEAR(abFirst, draws / 2, 354);

  std::map<QString, int> orders;
  for (int i = 0; i < 6000; ++i) {
    QStringList target{"kept"};
    ShuffleCopy({"a", "b", "c"}, target, nullptr);
    ASSERT_EQ(target.size(), 4);  // appended, not replaced
    orders[target.mid(1).join("")]++;
  }
  EXPECT_EQ(orders.size(), 6u);
  for (const auto& [order, count] : orders) EXPECT_NEAR(count, 1000, 160) << order.toStdString();

  QStringList one;
  ShuffleCopy({"x"}, one, nullptr);
  ShuffleCopy({}, one, nullptr);
  EXPECT_EQ(one, QStringList{"x"});
}

TEST(ReshuffleAllImagesTest, SameImagesWhileTheLabelSaysSo) {
  struct FakeLabel : LoadingLabel {
    QString text = "Loading...";
    QStringList calls;
    QString Text() const override { return text; }
    void SetText(const QString& t) override { text = t, calls << "text " + t; }
    void Enlarge(int dw, int dh) override { calls << QString("enlarge %1 %2").arg(dw).arg(dh); }
    void CentreOnMonitor() override { calls << "centre"; }
    void Show() override { calls << "show"; }
    void Hide() override { calls << "hide"; }
  } label;
  RecordingDialogs dialogs;
  PlayLists lists;
  lists.ImagePlayList = {"1", "2", "3", "4", "5"};
  SeedRandom(3);
  ReshuffleAllImages(lists, label, dialogs);
  QStringList sorted = lists.ImagePlayList;
  sorted.sort();
  EXPECT_EQ(sorted, (QStringList{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(label.calls, (QStringList{"text Making List...", "enlarge 10 10", "centre", "show", "hide",
                                      "text Loading...", "enlarge 10 10", "centre"}));
}

// What the rebuild at the end of a pass will put first is known beforehand,
// without drawing: the peeks agree with the rebuild that follows them, seed
// after seed, and leave the sequence as it was.
TEST_F(PlayListsTest, PeeksNameTheFirstImageOfTheRebuildWithoutDrawing) {
  ASSERT_TRUE(StartPlayLists(lists, sources, env));
  struct NoLabel : LoadingLabel {
    QString Text() const override { return {}; }
    void SetText(const QString&) override {}
    void Enlarge(int, int) override {}
    void CentreOnMonitor() override {}
    void Show() override {}
    void Hide() override {}
  } label;
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    for (const int order : {kOrderFromTop, kOrderShuffle}) {
      SeedRandom(seed);
      const QString peeked = PeekFirstBuiltImage(lists, 0, order);
      const QString peekedAgain = PeekFirstBuiltImage(lists, 0, order);
      lists.FolderPlayIndex = 0;
      BuildImagePlayList(lists, order, env);
      ASSERT_FALSE(lists.ImagePlayList.isEmpty());
      EXPECT_EQ(peeked, lists.ImagePlayList.front());
      EXPECT_EQ(peekedAgain, peeked);
    }
    const QString peeked = PeekFirstReshuffledImage(lists);
    ReshuffleAllImages(lists, label, dialogs);
    EXPECT_EQ(peeked, lists.ImagePlayList.front());
  }
  // Outside the list, or all folders combined: not known.
  EXPECT_TRUE(PeekFirstBuiltImage(lists, 9, kOrderFromTop).isEmpty());
  EXPECT_TRUE(PeekFirstBuiltImage(lists, 0, kOrderLoopOrAll).isEmpty());
  lists.ImagePlayList.clear();
  EXPECT_TRUE(PeekFirstReshuffledImage(lists).isEmpty());
}
