// The video export's place in the File menu and its dialog.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QCheckBox>
#include <gtest/gtest.h>

#include "ui/TfrmMain.h"
#include "ui/TfrmVideoExport.h"

namespace {

QAction* ExportItem(TfrmMain& window) {
  return window.findChild<QAction*>(QStringLiteral("mnVideoExport"));
}

TEST(VideoExportCommand, FollowsTheListImportInTheFileMenuAndHidesInCdPlay) {
  for (RunMode mode : {RunMode::Normal, RunMode::CdMaking, RunMode::CdPlay}) {
    TfrmMain window;
    StartUpContext context;
    context.ProgramFolder = QStringLiteral("/opt/brinmora/");
    context.RunMode.Mode = mode;
    window.ApplyRunMode(context);
    QAction* item = ExportItem(window);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("動画ファイルに書き出す(&V)..."));
    const QList<QAction*> actions = window.Menu().mnFile->actions();
    EXPECT_EQ(actions.indexOf(item), actions.indexOf(window.Menu().mnImportList) + 1);
    EXPECT_EQ(item->isVisible(), mode != RunMode::CdPlay) << static_cast<int>(mode);
  }
}

TEST(VideoExportDialog, OffersTheMonitorFirstAndAcceptsOnlyVideoNames) {
  TfrmVideoExport dialog(QSize(1366, 768), QStringLiteral("/tmp/show.mp4"));
  EXPECT_EQ(dialog.cbSize->count(), 4);
  EXPECT_EQ(dialog.cbSize->itemData(0).toSize(), QSize(1366, 768));
  EXPECT_EQ(dialog.seFps->value(), 30);
  EXPECT_TRUE(dialog.btnOK->isEnabled());
  for (const char* name : {"/tmp/show.avi", "/tmp/show", ""}) {
    dialog.edtFile->setText(QString::fromUtf8(name));
    EXPECT_FALSE(dialog.btnOK->isEnabled()) << name;
  }
  dialog.edtFile->setText(QStringLiteral(" /tmp/trip.WEBM "));
  EXPECT_TRUE(dialog.btnOK->isEnabled());
  dialog.cbSize->setCurrentIndex(2);
  dialog.seFps->setValue(25);
  dialog.chkMusic->setChecked(false);
  dialog.chkLabels->setChecked(true);
  const VideoExportChoice choice = dialog.Choice();
  EXPECT_EQ(choice.Path, QStringLiteral("/tmp/trip.WEBM"));
  EXPECT_EQ(choice.Size, QSize(1280, 720));
  EXPECT_EQ(choice.Fps, 25);
  EXPECT_FALSE(choice.Music);
  EXPECT_TRUE(choice.Labels);
}

}  // namespace
