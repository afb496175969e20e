#pragma once
// The pending cut of the list tabs, shared by the two lists: the rows last
// cut as comma text (path and check flag), and per list the path of the row
// that had the focus at the cut. A non-empty anchor means that list waits
// for its paste.
#include <QString>
#include <QStringList>

struct ListCutState {
  QStringList CutBuffer;
  QString FolderCutAnchor;
  QString BgmCutAnchor;
  bool PasteArmed = false;

  bool IsPending() const { return !FolderCutAnchor.isEmpty() || !BgmCutAnchor.isEmpty(); }
  void Clear() { *this = ListCutState(); }
};
