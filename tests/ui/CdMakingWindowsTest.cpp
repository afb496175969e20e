// The CD-making windows offscreen: the work folder dialog, the end and
// list-check dialogs, the progress bar of counted work, and the data-folder
// items of the list context menu per mode and selection.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "ui/CdMakingUi.h"
#include "ui/LibraryTabs.h"
#include "ui/ListContextMenu.h"
#include "ui/ProgressWindowPort.h"
#include "ui/TfrmCDMakeCheck.h"
#include "ui/TfrmCDMakeClose.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmProgress.h"
#include "ui/TfrmWork.h"

namespace {

StartUpContext ContextFor(RunMode mode) {
  StartUpContext context;
  context.ProgramFolder = QStringLiteral("/opt/brinmora/");
  context.RunMode.Mode = mode;
  return context;
}

// The lists' context menu as a right click opens it; closed again at once.
const ListContextMenu& OpenListMenu(TfrmMain& window, QTreeWidget* list) {
  emit list->customContextMenuRequested(QPoint(4, 4));
  const ListContextMenu& menu = window.LibraryTabCommands()->ContextMenu();
  menu.PopupList->close();
  return menu;
}

TEST(CdMakingWindows, ListContextMenuFollowsModeAndSelection) {
  TfrmMain window;
  window.Library().SetRunMode(RunMode::CdMaking);
  window.ApplyRunMode(ContextFor(RunMode::CdMaking));
  QTreeWidget* list = window.Tabs().lvDirList;
  EXPECT_EQ(list->contextMenuPolicy(), Qt::CustomContextMenu);
  window.Library().Folders() = {{true, QStringLiteral("Trip"), QStringLiteral("/photos")},
                                {true, QStringLiteral("旅行"), QStringLiteral("(データフォルダ)")}};
  window.FolderListChanged();

  list->clearSelection();
  list->topLevelItem(0)->setSelected(true);
  const ListContextMenu& items = OpenListMenu(window, list);
  EXPECT_TRUE(items.pmnCopyDataDir->isVisible());
  EXPECT_EQ(items.pmnCopyDataDir->text(), QStringLiteral("データフォルダ（IMG）へコピー(&C)"));
  EXPECT_FALSE(items.pmnDelDataDir->isVisible());

  list->selectAll();
  OpenListMenu(window, list);
  EXPECT_FALSE(items.pmnCopyDataDir->isVisible());
  EXPECT_FALSE(items.pmnDelDataDir->isVisible());
  EXPECT_TRUE(items.pmnOpenDir->isVisible());
  EXPECT_EQ(items.pmnOpenDir->text(), QStringLiteral("データフォルダ（IMG）を開く(&I)"));

  window.Library().Bgms() = {{true, QStringLiteral("a.mp3"), QStringLiteral("(データフォルダ)\\Album")}};
  window.BgmListChanged();
  window.Tabs().lvBGMList->selectAll();
  OpenListMenu(window, window.Tabs().lvBGMList);
  EXPECT_TRUE(items.pmnDelDataDir->isVisible());
  EXPECT_EQ(items.pmnDelDataDir->text(), QStringLiteral("データフォルダ（BGM）から削除(&D)"));

  TfrmMain player;
  player.ApplyRunMode(ContextFor(RunMode::CdPlay));
  EXPECT_EQ(player.Tabs().lvDirList->contextMenuPolicy(), Qt::NoContextMenu);
  EXPECT_EQ(player.Tabs().lvBGMList->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST(CdMakingWindows, WorkDialogHandsOverItsFieldsAndClosesOnlyWhenTold) {
  TfrmWork dialog;
  dialog.Prepare({QStringLiteral("春"), QStringLiteral("夏"), QStringLiteral("秋")}, QStringLiteral("夏"));
  ASSERT_EQ(dialog.clbSlideShow->count(), 3);
  EXPECT_EQ(dialog.clbSlideShow->item(0)->checkState(), Qt::Unchecked);
  EXPECT_FALSE(dialog.clbSlideShow->isEnabled());
  EXPECT_EQ(dialog.lblCurrent->text(), QStringLiteral("（現在のスライドショー ： 夏）"));
  dialog.chkUseSlideShow->setChecked(true);
  EXPECT_TRUE(dialog.clbSlideShow->isEnabled());
  dialog.clbSlideShow->item(2)->setCheckState(Qt::Checked);
  dialog.clbSlideShow->item(0)->setCheckState(Qt::Checked);
  dialog.Edit1->setText(QStringLiteral("/media/作業"));
  dialog.Edit2->setText(QStringLiteral("旅のCD"));
  EXPECT_EQ(dialog.Edit1->toolTip(), QStringLiteral("/media/作業"));

  WorkFolderRequest seen;
  bool agree = false;
  dialog.OnMakeWorkDir = [&](const WorkFolderRequest& request) {
    seen = request;
    return agree;
  };
  dialog.setResult(QDialog::Rejected);
  dialog.btnMakeWorkDir->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(seen.Location, QStringLiteral("/media/作業"));
  EXPECT_EQ(seen.Name, QStringLiteral("旅のCD"));
  EXPECT_TRUE(seen.UseSlideshows);
  EXPECT_EQ(seen.CheckedSlideshows, QStringList({QStringLiteral("春"), QStringLiteral("秋")}));
  agree = true;
  dialog.btnMakeWorkDir->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(CdMakingWindows, EndDialogAnswersWithTheChosenButton) {
  TfrmCDMakeClose dialog;
  QTimer::singleShot(0, &dialog, [&] {
    dialog.rbInComp->setChecked(true);
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
  });
  EXPECT_EQ(dialog.Ask(), CdEndChoice::InProgress);
  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_TRUE(dialog.rbComp->isChecked());
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
  });
  EXPECT_EQ(dialog.Ask(), CdEndChoice::Complete);
  QTimer::singleShot(0, &dialog, [&] { dialog.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click(); });
  EXPECT_EQ(dialog.Ask(), CdEndChoice::Cancelled);
}

TEST(CdMakingWindows, ListReportGoesToTheClipboard) {
  TfrmCDMakeCheck dialog;
  const QStringList report = {QStringLiteral("**夏**"), QStringLiteral("フォルダリスト未コピー： 2項目"),
                              QString(51, u'-')};
  dialog.SetReport(report);
  EXPECT_TRUE(dialog.memLog->isReadOnly());
  dialog.btnCopy->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), report.join(u'\n'));
}

TEST(CdMakingWindows, ProgressBarCountsTheItems) {
  TfrmProgress window;
  ProgressWindowPort port(&window, nullptr);
  port.Open(QStringLiteral("■データフォルダの編集■"), QStringLiteral("コピーしています。"), true);
  port.SetBarMaximum(300);
  port.SetBarValue(200);
  port.SetText(QStringLiteral("コピーしています。(3/3)"));
  EXPECT_TRUE(port.IsShowing());
  EXPECT_EQ(window.ProgressBar1->maximum(), 300);
  EXPECT_EQ(window.ProgressBar1->value(), 200);
  port.SetBarValue(999);
  EXPECT_EQ(window.ProgressBar1->value(), 300);
  EXPECT_EQ(window.lblInfo->text(), QStringLiteral("コピーしています。(3/3)"));
  port.Close();
  EXPECT_FALSE(port.IsShowing());
}

}  // namespace
