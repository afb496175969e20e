#pragma once
// What the list commands need from the window. The main window's list tabs
// implement it; tests give a fake that records the calls.
#include <QString>

#include "library/ListKind.h"

class ListEditorView {
 public:
  virtual ~ListEditorView() = default;
  // The list's rows, check marks, selection and focus (ListEditor::Selection)
  // must be shown again, the focused row scrolled into view.
  virtual void ShowListRows(ListKind kind) = 0;
  // Only the selection and focus of the list changed (rows as they are).
  virtual void ShowListSelection(ListKind kind) = 0;
  // The header counts of the list (total, checked, selected).
  virtual void RefreshListHeader(ListKind kind) = 0;
  // The enabled state of the buttons of the active tab.
  virtual void RefreshListButtons() = 0;
  // Shows the list's tab. True when the list may take the keyboard focus
  // (the display window is hidden and the options group is visible); the
  // view then gives it the focus after ShowListRows.
  virtual bool ShowListTab(ListKind kind) = 0;
  // Folds the options panel out if it is folded in.
  virtual void OpenOptionsPanel() = 0;
  // The preview shows CurrentFolderImages again.
  virtual void RefreshPreview() = 0;
  // Opens a folder in the desktop's file manager.
  virtual void OpenInFileManager(const QString& folder) = 0;
};
