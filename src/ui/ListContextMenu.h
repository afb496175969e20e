#pragma once
// The context menu of the folder and BGM lists (PopupList): check marks,
// the two sorts, opening folders and the data-folder items. Its captions
// and shown items are set from ListMenuItems each time it opens. Commands
// on data folders connect to pmnCopyDataDir and pmnDelDataDir.
#include "library/ListMenuItems.h"

class QAction;
class QMenu;
class QWidget;

struct ListContextMenu {
  QMenu* PopupList = nullptr;
  QMenu* CheckOn = nullptr;
  QAction* pmnSelChkOn = nullptr;
  QAction* pmnAllChkOn = nullptr;
  QMenu* CheckOff = nullptr;
  QAction* pmnSelChkOff = nullptr;
  QAction* pmnAllChkOff = nullptr;
  QMenu* NameSort = nullptr;
  QAction* pmnSrtNameAsc = nullptr;
  QAction* pmnSrtNameDsc = nullptr;
  QMenu* PathSort = nullptr;
  QAction* pmnSrtPathAsc = nullptr;
  QAction* pmnSrtPathDsc = nullptr;
  QAction* pmnOpenSelDir = nullptr;
  QAction* pmnOpenDir = nullptr;
  QAction* pmnCopyDataDir = nullptr;
  QAction* pmnDelDataDir = nullptr;

  // Captions and shown items for the active tab; hidden items are disabled.
  void Apply(const ListMenuItems& items);
};

ListContextMenu BuildListContextMenu(QWidget* parent);
