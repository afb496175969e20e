#pragma once
// Which of the two lists of a slideshow a list command works on, and the
// selection of a list view as the commands see it.
#include <QList>

enum class ListKind { Folders, Music };

struct ListSelection {
  QList<int> Rows;   // selected rows, ascending, without repeats
  int Focused = -1;  // the focused row (-1: none); it need not be selected

  bool IsSelected(int row) const { return Rows.contains(row); }
  bool operator==(const ListSelection&) const = default;
};
