// The colour editor and the options reset on the real main window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "MessageBoxAnswer.h"
#include "library/OptionsReset.h"
#include "ui/ColourEditorPanel.h"
#include "ui/PreviewArea.h"
#include "ui/TfrmDisplay.h"
#include "ui/TfrmMain.h"

namespace {

constexpr int kBgmNameBack = 10;
constexpr int kClockText = 13;

QColor Swatch(TfrmMain& window) { return window.Controls().pnlColor->palette().color(QPalette::Window); }

TEST(MainWindowColours, DialogColourReachesTheSlideshowAndUndoFollowsItsItem) {
  TfrmMain window;
  ColourEditorPanel* panel = window.ColourPanel();
  QColor offered;
  panel->ChooseColour = [&](const QColor& initial) -> std::optional<QColor> {
    offered = initial;
    return QColor(0, 0, 255);
  };
  QComboBox* items = window.Controls().cbColor;
  items->setCurrentIndex(kBgmNameBack);
  const ColorRef before = window.Library().Options().Colours.BGMNameColor;
  window.Controls().btnColor->click();
  EXPECT_EQ(offered, QColor(RedOf(before), GreenOf(before), BlueOf(before)));
  EXPECT_EQ(window.Library().Options().Colours.BGMNameColor, MakeColorRef(0, 0, 255));
  EXPECT_EQ(Swatch(window), QColor(0, 0, 255));

  items->setCurrentIndex(kClockText);
  panel->PopupColorPopup();
  EXPECT_FALSE(panel->pmnCancelColor->isVisible());
  EXPECT_FALSE(panel->pmnPasteColor->isVisible());
  items->setCurrentIndex(kBgmNameBack);
  panel->PopupColorPopup();
  EXPECT_TRUE(panel->pmnCancelColor->isVisible());
  panel->pmnCancelColor->trigger();
  EXPECT_EQ(window.Library().Options().Colours.BGMNameColor, before);

  // A cancelled dialog changes nothing.
  panel->ChooseColour = [](const QColor&) -> std::optional<QColor> { return std::nullopt; };
  window.Controls().btnColor->click();
  EXPECT_EQ(window.Library().Options().Colours.BGMNameColor, before);
}

TEST(MainWindowColours, ScreenBackgroundPaintsThePreviewAndTheDisplay) {
  TfrmMain window;
  TfrmDisplay display;
  window.DisplayWindowCreated(&display);
  window.ColourPanel()->ChooseColour = [](const QColor&) -> std::optional<QColor> { return QColor(10, 20, 30); };
  window.Controls().cbColor->setCurrentIndex(0);
  window.Controls().btnColor->click();
  EXPECT_EQ(window.Library().Options().BkColor, MakeColorRef(10, 20, 30));
  EXPECT_EQ(window.PreviewPanel()->Background(), QColor(10, 20, 30));
  EXPECT_EQ(display.grab().toImage().pixel(5, 5), qRgb(10, 20, 30));

  window.ColourPanel()->pmnResetAllColor->trigger();
  EXPECT_EQ(window.Library().Options().BkColor, 0u);
  EXPECT_EQ(window.PreviewPanel()->Background(), QColor(0, 0, 0));
}

TEST(MainWindowReset, ConfirmedResetRestoresTheControlsAndTheStartUpBoxes) {
  TfrmMain window;
  OptionControls& c = window.Controls();
  c.udInterval->setValue(3);
  c.cbUnit->setCurrentIndex(1);
  c.chkUseLimit->setChecked(true);
  c.chkAutoStart->setChecked(true);
  c.chkNoSaver->setChecked(false);
  c.cbColor->setCurrentIndex(5);

  {
    MessageBoxAnswer answer(false);
    window.btnResetClick();
    EXPECT_EQ(answer.texts.size(), 1);
  }
  EXPECT_EQ(c.udInterval->value(), 3);

  MessageBoxAnswer answer;
  window.Menu().mnReset->trigger();
  ASSERT_EQ(answer.texts.size(), 2);
  EXPECT_EQ(answer.texts[1], kResetOptionsDone);
  EXPECT_EQ(c.udInterval->value(), 8);
  EXPECT_EQ(c.cbUnit->currentText(), QStringLiteral("秒"));
  EXPECT_EQ(SlideTimerInterval(window.Library().Options()), 8000);
  EXPECT_FALSE(c.chkUseLimit->isChecked());
  EXPECT_FALSE(c.udLimitNum->isEnabled());
  EXPECT_FALSE(c.chkAutoStart->isChecked());
  EXPECT_TRUE(c.chkNoSaver->isChecked());
  EXPECT_EQ(window.Context().Settings.WMPVol, 50);
  EXPECT_EQ(c.cbColor->currentIndex(), 0);
}

}  // namespace
