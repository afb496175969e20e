#include "ui/MainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* Item(QMenu* menu, const char* name, const char* caption, bool enabled = false) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromLatin1(name));
  action->setEnabled(enabled);
  return action;
}

QMenu* Menu(QMenu* parent, const char* name, const char* caption) {
  QMenu* menu = parent->addMenu(QString::fromUtf8(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QAction* Hidden(QMainWindow* window, const char* name) {
  auto* action = new QAction(QString::fromLatin1(name), window);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcutContext(Qt::WindowShortcut);
  window->addAction(action);
  return action;
}

}  // namespace

void MainMenuActions::SetArrowKeysActive(bool idle) {
  mnArrowUP->setShortcut(idle ? QKeySequence(Qt::Key_Up) : QKeySequence());
  mnArrowDown->setShortcut(idle ? QKeySequence(Qt::Key_Down) : QKeySequence());
}

MainMenuActions BuildMainMenu(QMainWindow* window) {
  MainMenuActions m{};
  QMenuBar* bar = window->menuBar();

  m.mnFile = bar->addMenu(QStringLiteral("ファイル(&F)"));
  m.mnFile->setObjectName(QStringLiteral("mnFile"));
  m.mnSlide = Item(m.mnFile, "mnSlide", "スライドショー再生(&P)");
  m.mnFile->addSeparator();
  m.mnImportList = Item(m.mnFile, "mnImportList", "リストのインポート(&I)...");
  m.mnFile->addSeparator();
  m.mnOption = Item(m.mnFile, "mnOption", "詳細オプション(&O)", true);
  m.mnOption->setCheckable(true);
  m.mnReset = Item(m.mnFile, "mnReset", "オプションのリセット(&R)");
  m.mnFile->addSeparator();
  m.OpenExePlace = Item(m.mnFile, "OpenExePlace", "プログラムの場所を開く(&P)", true);
  m.mnFile->addSeparator();
  m.mnExit = Item(m.mnFile, "mnExit", "終了(&X)", true);

  m.Tool1 = bar->addMenu(QStringLiteral("ツール(&T)"));
  m.Tool1->setObjectName(QStringLiteral("Tool1"));
  m.mnCDMake = Menu(m.Tool1, "mnCDMake", "CD作成(&C)");
  m.mnMakeWorkDir = Item(m.mnCDMake, "mnMakeWorkDir", "作業フォルダの新規作成(&W)...");
  m.mnCDEdit = Menu(m.mnCDMake, "mnCDEdit", "CDの編集(&C)");
  m.mnCDEdit->menuAction()->setVisible(false);
  m.mnParentExe = Item(m.Tool1, "mnParentExe", "親（通常モード）へ切り替え(&P)");
  m.mnParentExe->setVisible(false);
  m.CD1 = Item(m.Tool1, "CD1", "CD作成終了チェック");
  m.CD1->setVisible(false);
  m.mnCDMakeClose = Item(m.Tool1, "mnCDMakeClose", "CD作成の終了");
  m.mnCDMakeClose->setVisible(false);

  m.mnHelp = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
  m.mnHelp->setObjectName(QStringLiteral("mnHelp"));
  m.mnHelpDoc = Item(m.mnHelp, "mnHelpDoc", "ヘルプ(&H)");
  m.mnReadMe = Item(m.mnHelp, "mnReadMe", "ReadMe(&R)");
  m.mnHelp->addSeparator();
  m.mnAbout = Item(m.mnHelp, "mnAbout", "バージョン情報(&A)");

  m.mnArrowUP = Hidden(window, "mnArrowUP");
  m.mnArrowDown = Hidden(window, "mnArrowDown");
  m.SetArrowKeysActive(true);
  return m;
}
