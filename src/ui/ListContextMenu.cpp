#include "ui/ListContextMenu.h"

#include <QAction>
#include <QMenu>

namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QMenu* Submenu(QMenu* menu, const char* name, const QString& caption) {
  QMenu* sub = menu->addMenu(caption);
  sub->setObjectName(QString::fromLatin1(name));
  return sub;
}

void ShowItem(QAction* action, bool shown) {
  action->setVisible(shown);
  action->setEnabled(shown);
}

}  // namespace

ListContextMenu BuildListContextMenu(QWidget* parent) {
  ListContextMenu m;
  m.PopupList = new QMenu(parent);
  m.PopupList->setObjectName(QStringLiteral("PopupList"));
  const ListMenuItems texts;
  m.CheckOn = Submenu(m.PopupList, "pmnChkOn", texts.CheckOnMenu);
  m.pmnSelChkOn = Item(m.CheckOn, "pmnSelChkOn", QStringLiteral("選択項目に付ける(&S)"));
  m.pmnAllChkOn = Item(m.CheckOn, "pmnAllChkOn", QStringLiteral("全項目に付ける(&A)"));
  m.CheckOff = Submenu(m.PopupList, "pmnChkOff", texts.CheckOffMenu);
  m.pmnSelChkOff = Item(m.CheckOff, "pmnSelChkOff", QStringLiteral("選択項目から外す(&S)"));
  m.pmnAllChkOff = Item(m.CheckOff, "pmnAllChkOff", QStringLiteral("全項目から外す(&A)"));
  m.PopupList->addSeparator();
  m.NameSort = Submenu(m.PopupList, "pmnSrtName", QString());
  m.pmnSrtNameAsc = Item(m.NameSort, "pmnSrtNameAsc", texts.Ascending);
  m.pmnSrtNameDsc = Item(m.NameSort, "pmnSrtNameDsc", texts.Descending);
  m.PathSort = Submenu(m.PopupList, "pmnSrtPath", texts.LocationSort);
  m.pmnSrtPathAsc = Item(m.PathSort, "pmnSrtPathAsc", texts.Ascending);
  m.pmnSrtPathDsc = Item(m.PathSort, "pmnSrtPathDsc", texts.Descending);
  m.PopupList->addSeparator();
  m.pmnOpenSelDir = Item(m.PopupList, "pmnOpenSelDir", QStringLiteral("選択フォルダを開く(&O)"));
  m.pmnOpenDir = Item(m.PopupList, "pmnOpenDir", QStringLiteral("データフォルダを開く(&P)"));
  m.pmnCopyDataDir = Item(m.PopupList, "pmnCopyDataDir", QStringLiteral("データフォルダへコピー(&C)"));
  m.pmnDelDataDir = Item(m.PopupList, "pmnDelDataDir", QStringLiteral("データフォルダから削除(&D)"));
  return m;
}

void ListContextMenu::Apply(const ListMenuItems& items) {
  pmnSelChkOn->setText(items.CheckSelected);
  pmnAllChkOn->setText(items.CheckAll);
  pmnSelChkOff->setText(items.CheckSelected);
  pmnAllChkOff->setText(items.CheckAll);
  NameSort->setTitle(items.NameSort);
  PathSort->setTitle(items.LocationSort);
  pmnOpenSelDir->setText(items.OpenSelected);
  pmnOpenDir->setText(items.OpenDataFolder);
  pmnCopyDataDir->setText(items.CopyToDataFolder);
  pmnDelDataDir->setText(items.DeleteFromDataFolder);
  ShowItem(pmnOpenSelDir, items.OpenSelectedShown);
  ShowItem(pmnOpenDir, items.OpenDataFolderShown);
  ShowItem(pmnCopyDataDir, items.CopyShown);
  ShowItem(pmnDelDataDir, items.DeleteShown);
}
