#pragma once
// The context menu of the folder and BGM lists: its captions for the active
// tab and which items are shown (hidden items are also disabled), decided
// from the run mode and the selected rows.
#include <QString>

#include "library/ListEntry.h"
#include "library/ListKind.h"
#include "platform/RunMode.h"

struct ListMenuItems {
  QString CheckOnMenu = QStringLiteral("チェックを付ける(&N)");
  QString CheckOffMenu = QStringLiteral("チェックを外す(&F)");
  QString CheckSelected;  // "選択フォルダ(&S)" / "選択BGM(&S)"
  QString CheckAll;       // "全フォルダ(&A)" / "全BGM(&A)"
  QString NameSort;       // "\"フォルダ名\"で整列(&I)" / "\"ファイル名\"で整列(&I)"
  QString LocationSort = QStringLiteral("\"場所\"で'整列(&A)");
  QString Ascending = QStringLiteral("昇順(&A)");
  QString Descending = QStringLiteral("降順(&D)");
  QString OpenSelected;
  QString OpenDataFolder;
  QString CopyToDataFolder;
  QString DeleteFromDataFolder;

  bool OpenSelectedShown = false;
  bool OpenDataFolderShown = false;
  bool CopyShown = false;
  bool DeleteShown = false;
};

// A folder row whose Location is the data-folder marker; a music row whose
// Location begins with it.
bool IsDataFolderRow(ListKind kind, const ListEntry& row);

ListMenuItems BuildListMenuItems(ListKind kind, RunMode mode, const QList<ListEntry>& rows,
                                 const ListSelection& selection);
