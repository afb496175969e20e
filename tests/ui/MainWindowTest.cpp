// The window's share of start-up by run mode, its list views, its status
// bar, and the progress window.
#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "engine/SlideshowEngine.h"
#include "music/AudioFixtures.h"
#include "ui/OptionBinding.h"
#include "ui/TfrmDisplay.h"
#include "ui/QtUserDialogs.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmProgress.h"

namespace {

StartUpContext ContextFor(RunMode mode) {
  StartUpContext context;
  context.ProgramFolder = QStringLiteral("/opt/brinmora/");
  context.RunMode.Mode = mode;
  return context;
}

TEST(MainWindowRunMode, EachModeSetsCaptionListsAndMenus) {
  const struct {
    RunMode mode;
    const char* caption;
    int listHeight;
    bool hints, toolMenu, importItem, artNameEditable;
  } cases[] = {
      {RunMode::Normal, " Brinmora", 248, false, true, true, true},
      {RunMode::CdMaking, " Brinmora - CD作成モード", 231, true, true, true, true},
      {RunMode::CdPlay, " Brinmora - CD再生モード", 248, false, false, false, false},
  };
  for (const auto& c : cases) {
    TfrmMain window;
    window.ApplyRunMode(ContextFor(c.mode));
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(window.Tabs().lvDirList->height(), c.listHeight);
    EXPECT_EQ(window.Tabs().lvBGMList->height(), c.listHeight);
    EXPECT_EQ(!window.Tabs().lblDirHint->isHidden(), c.hints);
    EXPECT_EQ(!window.Tabs().lblBGMHint->isHidden(), c.hints);
    EXPECT_EQ(window.Menu().Tool1->menuAction()->isVisible(), c.toolMenu);
    EXPECT_EQ(window.Menu().mnImportList->isVisible(), c.importItem);
    EXPECT_EQ(window.Controls().edtArtName->isEnabled(), c.artNameEditable);
  }
}

TEST(MainWindowRunMode, ToolMenuOffersTheCommandsOfTheMode) {
  for (RunMode mode : {RunMode::Normal, RunMode::CdMaking}) {
    TfrmMain window;
    StartUpContext context = ContextFor(mode);
    context.Settings.RecentWorkFolders = {QStringLiteral("/work/cd1")};
    window.ApplyRunMode(context);
    const bool cdMaking = mode == RunMode::CdMaking;
    EXPECT_EQ(window.Menu().mnCDMake->menuAction()->isVisible(), !cdMaking);
    EXPECT_EQ(window.Menu().mnParentExe->isVisible(), cdMaking);
    EXPECT_TRUE(window.Menu().mnCDEdit->menuAction()->isVisible());
    ASSERT_EQ(window.Menu().mnCDEdit->actions().size(), 1);
    EXPECT_EQ(window.Menu().mnCDEdit->actions()[0]->text(), QStringLiteral("/work/cd1"));
  }
}

TEST(MainWindowRunMode, StartUpCheckBoxesShowTheSettings) {
  TfrmMain window;
  StartUpContext context = ContextFor(RunMode::Normal);
  context.Settings.AutoStart = true;
  context.Settings.NoSaver = false;
  window.ApplyRunMode(context);
  EXPECT_TRUE(window.Controls().chkAutoStart->isChecked());
  EXPECT_FALSE(window.Controls().chkNoSaver->isChecked());
  window.Controls().chkNoSaver->setChecked(true);
  EXPECT_TRUE(window.Context().Settings.NoSaver);
}

TEST(MainWindowRunMode, CdPlayCatalogHidesTabOrButtons) {
  TfrmMain window;
  window.CreateWorkingObjects();
  QTabWidget* tabs = window.Tabs().PageControl1;
  const int slideshowTab = tabs->indexOf(window.Tabs().TabSlideShow);
  CatalogFill one;
  one.HideSlideshowTab = true;
  window.ApplyCatalog(one);
  EXPECT_FALSE(tabs->isTabVisible(slideshowTab));
  CatalogFill several;
  several.HideSlideshowButtons = true;
  window.ApplyCatalog(several);
  EXPECT_TRUE(tabs->isTabVisible(slideshowTab));
  ASSERT_EQ(window.Tabs().SlideshowButtons.size(), 7);
  for (QPushButton* button : window.Tabs().SlideshowButtons)
    EXPECT_TRUE(button->isHidden());
}

TEST(MainWindowLists, ListViewsShowRowsAndSizeTheirColumns) {
  TfrmMain window;
  QTreeWidget* view = window.Tabs().lvDirList;
  EXPECT_EQ(view->headerItem()->text(0), QStringLiteral("フォルダ名"));
  EXPECT_EQ(view->headerItem()->text(1), QStringLiteral("場所"));
  EXPECT_EQ(window.Tabs().lvBGMList->headerItem()->text(0), QStringLiteral("ファイル名"));
  EXPECT_EQ(view->selectionMode(), QAbstractItemView::ExtendedSelection);

  window.ArrangeOptionsPage();
  const int first = static_cast<int>(view->width() * 0.65);
  EXPECT_EQ(view->columnWidth(0), first);
  EXPECT_EQ(view->columnWidth(1), static_cast<int>(first * 1.5));
  EXPECT_EQ(window.Tabs().PageControl1->currentWidget(), window.Tabs().TabSlideShow);

  window.Library().Folders() = {{true, QStringLiteral("Trip"), QStringLiteral("/photos")},
                                {false, QStringLiteral("旅行"), QStringLiteral("(データフォルダ)")}};
  window.Library().SetCurrentFolderIndex(1);
  window.FolderListChanged();
  ASSERT_EQ(view->topLevelItemCount(), 2);
  EXPECT_EQ(view->topLevelItem(0)->text(0), QStringLiteral("Trip"));
  EXPECT_EQ(view->topLevelItem(0)->text(1), QStringLiteral("/photos"));
  EXPECT_EQ(view->topLevelItem(0)->checkState(0), Qt::Checked);
  EXPECT_EQ(view->topLevelItem(1)->checkState(0), Qt::Unchecked);
  EXPECT_EQ(view->currentItem(), view->topLevelItem(1));

  // A check mark set in the view changes the working copy of the list.
  view->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
  EXPECT_FALSE(window.Library().Folders()[0].IsChecked);
}

TEST(MainWindowStatus, StatusBarShowsTheProgramFolder) {
  TfrmMain window;
  window.ShowProgramFolder(QStringLiteral("/opt/brinmora"));
  EXPECT_EQ(window.StatusPanel()->text(), QStringLiteral("プログラムの場所： /opt/brinmora"));
  EXPECT_EQ(window.StatusPanel()->toolTip(), QStringLiteral("/opt/brinmora"));
}

TEST(MainWindowStatus, StartHintLiesOnThePreview) {
  TfrmMain window;
  window.ShowStartHint(QStringLiteral("一行目\r\r二行目"));
  auto* hint = window.findChild<QLabel*>(QStringLiteral("lblStartInfo"));
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(hint->isVisibleTo(&window));
  EXPECT_EQ(hint->text(), QStringLiteral("一行目\n\n二行目"));
  EXPECT_EQ(hint->geometry().topLeft(), QPoint(10, 10));
  EXPECT_EQ(hint->width(), 180);
  window.HideStartHint();
  EXPECT_FALSE(hint->isVisibleTo(&window));
}

// Start-up loads the last slideshow before the display window and its music
// player exist; the last played file still reaches the player, unplayed.
TEST(MainWindowMusic, LastPlayedMusicReachesThePlayerOnceItExists) {
  QTemporaryDir dir;
  const QString song = dir.filePath("last.wav");
  WriteWavTone(song.toStdString(), 0.5);
  TfrmMain window;
  window.PrepareMusicPlayer(song);
  EXPECT_EQ(window.Engine(), nullptr);
  TfrmDisplay display;
  window.DisplayWindowCreated(&display);
  ASSERT_NE(window.Engine(), nullptr);
  EXPECT_TRUE(window.Engine()->CurrentLabelFacts().PlayerHoldsFile);
  EXPECT_EQ(window.Engine()->Music().CurrentBgmFile(), QString());  // nothing taken from a play list
  window.ResetPlayState();
  window.PrepareMusicPlayer(QString());  // a later load with music off hands nothing over
  EXPECT_EQ(window.Engine()->Control().State(), PlayState::Idle);
}

TEST(ProgressWindow, HasItsSizeTextsAndBar) {
  TfrmProgress progress;
  EXPECT_EQ(progress.size(), QSize(313, 84));
  EXPECT_EQ(progress.minimumSize(), progress.maximumSize());
  EXPECT_EQ(progress.windowTitle(), QStringLiteral("■データフォルダの編集■"));
  EXPECT_EQ(progress.lblInfo->text(), QStringLiteral("コピーしています"));
  EXPECT_EQ(progress.ProgressBar1->minimum(), 0);
  EXPECT_EQ(progress.ProgressBar1->maximum(), 100);
  EXPECT_TRUE(progress.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(progress.isModal());

  progress.ShowWork(QStringLiteral("■リストの編集■"), QStringLiteral("リストに登録しています。"), false);
  EXPECT_TRUE(progress.isVisible());
  EXPECT_FALSE(progress.ProgressBar1->isVisible());
  progress.close();
  progress.ResetTexts();
  EXPECT_EQ(progress.windowTitle(), QStringLiteral("■データフォルダの編集■"));
  EXPECT_TRUE(progress.ProgressBar1->isVisibleTo(&progress));
}

TEST(MessageText, CarriageReturnsBreakLines) {
  EXPECT_EQ(QtUserDialogs::ToDisplayText(QStringLiteral("a\r\rb\r\nc")), QStringLiteral("a\n\nb\nc"));
}

}  // namespace
