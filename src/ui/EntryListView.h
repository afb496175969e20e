#pragma once
// The folder and BGM lists: two-column check-box list views (name, place),
// whole-row selection, several rows selectable, odd rows striped.
#include "library/ListEntry.h"
#include "library/ListKind.h"

class QTreeWidget;
class QWidget;

// firstColumn: "フォルダ名" or "ファイル名".
QTreeWidget* MakeEntryListView(const QString& objectName, const QString& firstColumn,
                               QWidget* parent);
// Shows rows with their check marks; the row at current (if any) becomes the
// selected, focused and visible row.
void FillEntryListView(QTreeWidget* view, const QList<ListEntry>& rows, int current);
// Column 0 = width × 0.65 and column 1 = column 0 × 1.5, fractions dropped.
void SizeEntryListColumns(QTreeWidget* view);
// The colour of odd rows (0x00FFEFEF: red EF, green EF, blue FF).
void StripeOddRows(QWidget* view);

// The selected rows and the focused row of a list view.
ListSelection ReadEntryListSelection(const QTreeWidget* view);
// Selects exactly the rows of selection, focuses its focused row and
// scrolls it into view.
void ShowEntryListSelection(QTreeWidget* view, const ListSelection& selection);
