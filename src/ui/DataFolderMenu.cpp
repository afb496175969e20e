#include "ui/DataFolderMenu.h"

#include <QAction>
#include <QMenu>
#include <QTreeWidget>

#include <algorithm>

namespace {

QAction* Item(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

void ShowItem(QAction* action, bool shown) {
  action->setVisible(shown);
  action->setEnabled(shown);
}

}  // namespace

DataFolderMenuItems AddDataFolderItems(QMenu* menu) {
  if (!menu->actions().isEmpty()) menu->addSeparator();
  DataFolderMenuItems items;
  items.pmnOpenDir = Item(menu, "pmnOpenDir", "データフォルダを開く(&P)");
  items.pmnCopyToDir = Item(menu, "pmnCopyToDir", "データフォルダへコピー(&C)");
  items.pmnDelFromDir = Item(menu, "pmnDelFromDir", "データフォルダから削除(&D)");
  return items;
}

void ShowDataFolderItems(const DataFolderMenuItems& items, DataListKind kind, const DataFolderMenuState& state) {
  const bool folders = kind == DataListKind::Folders;
  items.pmnCopyToDir->setText(folders ? QStringLiteral("データフォルダ（IMG）へコピー(&C)")
                                      : QStringLiteral("データフォルダ（BGM）へコピー(&C)"));
  items.pmnDelFromDir->setText(folders ? QStringLiteral("データフォルダ（IMG）から削除(&D)")
                                       : QStringLiteral("データフォルダ（BGM）から削除(&D)"));
  items.pmnOpenDir->setText(folders ? QStringLiteral("データフォルダ（IMG）を開く(&I)")
                                    : QStringLiteral("データフォルダ（BGM）を開く(&B)"));
  ShowItem(items.pmnOpenDir, state.OpenDataFolder);
  ShowItem(items.pmnCopyToDir, state.CopyToDataFolder);
  ShowItem(items.pmnDelFromDir, state.DeleteFromDataFolder);
}

ListSelection SelectionOf(const QTreeWidget* view) {
  ListSelection selection;
  for (QTreeWidgetItem* item : view->selectedItems()) selection.Rows.append(view->indexOfTopLevelItem(item));
  std::sort(selection.Rows.begin(), selection.Rows.end());
  if (view->currentItem()) selection.Focused = view->indexOfTopLevelItem(view->currentItem());
  return selection;
}
