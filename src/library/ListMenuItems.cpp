#include "library/ListMenuItems.h"

#include "platform/Paths.h"

bool IsDataFolderRow(ListKind kind, const ListEntry& row) {
  const QString location = TrimTrailingBlanks(row.Location);
  return kind == ListKind::Folders ? location == kDataFolderMarker : location.startsWith(kDataFolderMarker);
}

ListMenuItems BuildListMenuItems(ListKind kind, RunMode mode, const QList<ListEntry>& rows,
                                 const ListSelection& selection) {
  ListMenuItems m;
  const bool folders = kind == ListKind::Folders;
  m.CheckSelected = folders ? QStringLiteral("選択フォルダ(&S)") : QStringLiteral("選択BGM(&S)");
  m.CheckAll = folders ? QStringLiteral("全フォルダ(&A)") : QStringLiteral("全BGM(&A)");
  m.NameSort = (folders ? QStringLiteral("\"フォルダ名\"") : QStringLiteral("\"ファイル名\"")) +
               QStringLiteral("で整列(&I)");
  m.OpenSelected = folders ? QStringLiteral("選択フォルダを開く（&O）") : QStringLiteral("選択BGMのフォルダを開く（&O）");
  m.OpenDataFolder =
      folders ? QStringLiteral("データフォルダ（IMG）を開く(&I)") : QStringLiteral("データフォルダ（BGM）を開く(&B)");
  m.CopyToDataFolder =
      folders ? QStringLiteral("データフォルダ（IMG）へコピー(&C)") : QStringLiteral("データフォルダ（BGM）へコピー(&C)");
  m.DeleteFromDataFolder =
      folders ? QStringLiteral("データフォルダ（IMG）から削除(&D)") : QStringLiteral("データフォルダ（BGM）から削除(&D)");

  const int selected = static_cast<int>(selection.Rows.size());
  if (mode != RunMode::CdMaking) {
    m.OpenSelectedShown = selected == 1;
    return m;
  }
  m.OpenDataFolderShown = true;
  m.OpenSelectedShown = selected == 1;
  if (selected == 0) return m;
  int dataRows = 0;
  for (int row : selection.Rows) {
    if (row >= 0 && row < rows.size() && IsDataFolderRow(kind, rows[row])) ++dataRows;
  }
  m.DeleteShown = dataRows == selected;
  m.CopyShown = dataRows == 0;
  return m;
}
