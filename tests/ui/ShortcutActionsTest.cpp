// Every item of the display menu and the hidden list-navigation items carry
// their captions and keys, and the arrow keys change owners with play.
#include <QAction>
#include <QMenu>
#include <QStyleOptionMenuItem>
#include <gtest/gtest.h>

#include "ui/MenuKeyNames.h"
#include "ui/TfrmDisplay.h"
#include "ui/TfrmMain.h"

namespace {

struct ShortcutCase {
  const char* name;
  const char* caption;
  QKeySequence key;
};

const ShortcutCase kShortcuts[] = {
    {"pmnSlide", "スライドショー開始(&S)", QKeySequence(Qt::Key_Space)},
    {"pmnStopSlide", "スライドショー停止(&E)", QKeySequence(Qt::Key_Escape)},
    {"pmnPrevDir", "前のフォルダ(&P)", QKeySequence(Qt::CTRL | Qt::Key_Left)},
    {"pmnNextDir", "次のフォルダ(&N)", QKeySequence(Qt::CTRL | Qt::Key_Right)},
    {"pmnPrevBGM", "前のBGM(&P)", QKeySequence(Qt::SHIFT | Qt::Key_Left)},
    {"pmnNextBGM", "次のBGM(&N)", QKeySequence(Qt::SHIFT | Qt::Key_Right)},
    {"pmnPrevImg", "前の画像(&P)", QKeySequence(Qt::Key_Left)},
    {"pmnNextImg", "次の画像(&N)", QKeySequence(Qt::Key_Right)},
    {"pmnWMPVolUp", "音量を上げる(&U)", QKeySequence()},
    {"pmnWMPVolDown", "音量を下げる(&D)", QKeySequence()},
    {"pmnWMPVolReset", "音量のリセット(&R)", QKeySequence()},
    {"pmnSlideName", "スライドショー名(&L)", QKeySequence(Qt::ALT | Qt::Key_L)},
    {"pmnGName", "画像ファイル/フォルダ名(&G)", QKeySequence(Qt::ALT | Qt::Key_G)},
    {"pmnNum", "画像枚数(&N)", QKeySequence(Qt::ALT | Qt::Key_N)},
    {"pmnDate", "撮影日付（ファイル日付）(&D)", QKeySequence(Qt::ALT | Qt::Key_D)},
    {"pmnBGMName", "BGM曲名(&B)", QKeySequence(Qt::ALT | Qt::Key_B)},
    {"pmnState", "再生状態(&S)", QKeySequence(Qt::ALT | Qt::Key_S)},
    {"pmnArt", "アートワーク(&A)", QKeySequence(Qt::ALT | Qt::Key_A)},
    {"pmnClock", "時刻(&C)", QKeySequence(Qt::ALT | Qt::Key_C)},
    {"pmnExif", "Exif情報(&E)", QKeySequence(Qt::ALT | Qt::Key_E)},
    {"pmnGuide", "ガイド(&U)", QKeySequence(Qt::ALT | Qt::Key_U)},
    {"pmnLabelAllShow", "全て表示(&V)", QKeySequence(Qt::ALT | Qt::Key_V)},
    {"pmnLabelAllHide", "全て非表示(&H)", QKeySequence(Qt::ALT | Qt::Key_H)},
    {"pmnExit", "Brinmoraの終了(&X)", QKeySequence(Qt::ALT | Qt::Key_F4)},
};

TEST(ShortcutActions, EveryDisplayMenuItemHasItsCaptionAndIdleKey) {
  TfrmMain window;
  DisplayMenuActions* actions = window.DisplayActions();
  ASSERT_EQ(actions->All().size(), static_cast<qsizetype>(std::size(kShortcuts)));
  for (const ShortcutCase& c : kShortcuts) {
    auto* action = actions->findChild<QAction*>(QString::fromLatin1(c.name));
    ASSERT_NE(action, nullptr) << c.name;
    EXPECT_EQ(action->text(), QString::fromUtf8(c.caption)) << c.name;
    EXPECT_EQ(action->shortcut(), c.key) << c.name;
  }
}

TEST(ShortcutActions, ArrowKeysMoveToTheVolumeItemsWhileASlideshowRuns) {
  TfrmMain window;
  const MainMenuActions& menu = window.Menu();
  DisplayMenuActions* display = window.DisplayActions();
  EXPECT_EQ(menu.mnArrowUP->shortcut(), QKeySequence(Qt::Key_Up));
  EXPECT_EQ(menu.mnArrowDown->shortcut(), QKeySequence(Qt::Key_Down));
  // Hidden from the menus, but visible actions so their keys work.
  EXPECT_TRUE(menu.mnArrowUP->isVisible());
  EXPECT_TRUE(window.actions().contains(menu.mnArrowUP));

  const_cast<MainMenuActions&>(menu).SetArrowKeysActive(false);
  display->SetVolumeKeysActive(true);
  EXPECT_TRUE(menu.mnArrowUP->shortcut().isEmpty());
  EXPECT_TRUE(menu.mnArrowDown->shortcut().isEmpty());
  EXPECT_EQ(display->pmnWMPVolUp->shortcut(), QKeySequence(Qt::Key_Up));
  EXPECT_EQ(display->pmnWMPVolDown->shortcut(), QKeySequence(Qt::Key_Down));
  EXPECT_EQ(display->pmnWMPVolReset->shortcut(), QKeySequence(Qt::Key_Return));

  const_cast<MainMenuActions&>(menu).SetArrowKeysActive(true);
  display->SetVolumeKeysActive(false);
  EXPECT_EQ(menu.mnArrowUP->shortcut(), QKeySequence(Qt::Key_Up));
  EXPECT_TRUE(display->pmnWMPVolUp->shortcut().isEmpty());
}

TEST(ShortcutActions, MainMenusCarryTheirCaptions) {
  TfrmMain window;
  const MainMenuActions& m = window.Menu();
  EXPECT_EQ(m.mnFile->title(), QStringLiteral("ファイル(&F)"));
  EXPECT_EQ(m.Tool1->title(), QStringLiteral("ツール(&T)"));
  EXPECT_EQ(m.mnHelp->title(), QStringLiteral("ヘルプ(&H)"));
  EXPECT_EQ(m.mnOption->text(), QStringLiteral("詳細オプション(&O)"));
  EXPECT_EQ(m.mnImportList->text(), QStringLiteral("リストのインポート(&I)..."));
  EXPECT_EQ(m.mnMakeWorkDir->text(), QStringLiteral("作業フォルダの新規作成(&W)..."));
  EXPECT_EQ(m.mnParentExe->text(), QStringLiteral("親（通常モード）へ切り替え(&P)"));
  EXPECT_EQ(m.mnAbout->text(), QStringLiteral("バージョン情報(&A)"));
}

}  // namespace

namespace {

// Lays out a menu item as the menu itself does.
class InspectableMenu : public QMenu {
 public:
  QString ItemText(QAction* action) {
    QStyleOptionMenuItem option;
    initStyleOption(&option, action);
    return option.text;
  }
};

}  // namespace

TEST(ShortcutActions, MenusShowTheProgramsKeyNames) {
  const struct {
    QKeySequence key;
    const char* caption;
  } keys[] = {
      {QKeySequence(Qt::Key_Space), "Space"},          {QKeySequence(Qt::Key_Escape), "Esc"},
      {QKeySequence(Qt::Key_Return), "Enter"},         {QKeySequence(Qt::Key_Enter), "Enter"},
      {QKeySequence(Qt::CTRL | Qt::Key_Left), "Ctrl+←"}, {QKeySequence(Qt::CTRL | Qt::Key_Right), "Ctrl+→"},
      {QKeySequence(Qt::SHIFT | Qt::Key_Left), "Shift+←"}, {QKeySequence(Qt::Key_Right), "→"},
      {QKeySequence(Qt::Key_Up), "↑"},                 {QKeySequence(Qt::Key_Down), "↓"},
      {QKeySequence(Qt::ALT | Qt::Key_L), "Alt+L"},    {QKeySequence(Qt::ALT | Qt::Key_F4), "Alt+F4"},
  };
  for (const auto& k : keys) EXPECT_EQ(KeyCaption(k.key), QString::fromUtf8(k.caption)) << k.caption;

  // Every item of the display menu, as its menu lays it out, volume keys active.
  TfrmMain window;
  DisplayMenuActions* actions = window.DisplayActions();
  actions->SetVolumeKeysActive(true);
  InspectableMenu menu;
  for (QAction* action : actions->All()) {
    const QString shown = MenuTextWithKeyNames(menu.ItemText(action));
    EXPECT_EQ(shown, action->text() + QLatin1Char('\t') + KeyCaption(action->shortcut()))
        << action->objectName().toStdString();
    EXPECT_FALSE(shown.contains(QLatin1String("Return")) || shown.contains(QLatin1String("Left")))
        << shown.toStdString();
  }
  EXPECT_TRUE(MenuTextWithKeyNames(menu.ItemText(actions->pmnWMPVolReset)).endsWith(QLatin1String("\tEnter")));
  EXPECT_EQ(MenuTextWithKeyNames(QStringLiteral("終了(&X)")), QStringLiteral("終了(&X)"));
}

// Once the display window exists, its context menu and every submenu draw
// with the program's key names, and the File menu's start item works like the button.
TEST(ShortcutActions, DisplayMenuUsesTheKeyNamesAndTheFileMenuCanStart) {
  TfrmMain window;
  EXPECT_FALSE(window.Menu().mnSlide->isEnabled());
  TfrmDisplay display;
  window.DisplayWindowCreated(&display);
  EXPECT_TRUE(window.Menu().mnSlide->isEnabled());
  const QList<QMenu*> menus = display.findChildren<QMenu*>();
  ASSERT_GE(menus.size(), 5);
  for (QMenu* m : menus) EXPECT_NE(dynamic_cast<KeyNameMenuStyle*>(m->style()), nullptr) << m->title().toStdString();
}
