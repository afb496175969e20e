#pragma once
// The data-folder items of the folder and BGM list context menu: open the
// data folder, copy the selected rows into it, delete their copies. Their
// captions follow the list the menu opens on; which of them show follows the
// run mode and the selection.
#include "library/DataFolderCommands.h"

class QAction;
class QMenu;
class QTreeWidget;

struct DataFolderMenuItems {
  QAction* pmnOpenDir = nullptr;
  QAction* pmnCopyToDir = nullptr;
  QAction* pmnDelFromDir = nullptr;
};

// Appends the three items (after a separator when the menu has items).
DataFolderMenuItems AddDataFolderItems(QMenu* menu);
// Sets the captions for the list kind and shows, hides, enables and
// disables the items by state.
void ShowDataFolderItems(const DataFolderMenuItems& items, DataListKind kind, const DataFolderMenuState& state);
// The selected rows of a list view and its focused row.
ListSelection SelectionOf(const QTreeWidget* view);
