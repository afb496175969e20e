// The fold-out of the detail options on a real (offscreen) main window.
#include <QGroupBox>
#include <QScreen>
#include <gtest/gtest.h>

#include "ui/TfrmMain.h"

namespace {

TEST(MainWindowFoldOut, OnlyTheHeightChangesAndTheBottomStaysAboveTheWorkArea) {
  TfrmMain window;
  window.CreateWorkingObjects();
  window.CollapseAndPlace(RunMode::Normal);
  window.show();
  auto* basic = window.findChild<QGroupBox*>(QStringLiteral("grpBasicOption"));
  auto* detail = window.findChild<QGroupBox*>(QStringLiteral("grpDetailOption"));
  ASSERT_TRUE(basic && detail);

  const QRect work = window.screen()->availableGeometry();
  window.move(work.x() + 10, work.bottom() - window.frameGeometry().height() - 30);
  const QSize folded = window.size();
  const QRect basicFolded = basic->geometry();

  window.ToggleDetailOptions();
  EXPECT_EQ(window.width(), folded.width());
  EXPECT_GT(window.height(), folded.height() + detail->height());
  EXPECT_EQ(basic->geometry(), basicFolded);
  EXPECT_LE(window.frameGeometry().bottom(), work.bottom() - 20);
  EXPECT_GE(window.frameGeometry().top(), work.top());

  window.ToggleDetailOptions();
  EXPECT_EQ(window.size(), folded);
}

}  // namespace
