#include "ui/EntryListView.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTreeWidget>

QTreeWidget* MakeEntryListView(const QString& objectName, const QString& firstColumn,
                               QWidget* parent) {
  auto* view = new QTreeWidget(parent);
  view->setObjectName(objectName);
  view->setColumnCount(2);
  view->setHeaderLabels({firstColumn, QStringLiteral("場所")});
  view->setRootIsDecorated(false);
  view->setItemsExpandable(false);
  view->setUniformRowHeights(true);
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setAllColumnsShowFocus(true);
  view->header()->setStretchLastSection(false);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  StripeOddRows(view);
  return view;
}

void FillEntryListView(QTreeWidget* view, const QList<ListEntry>& rows, int current) {
  const QSignalBlocker blocker(view);
  view->setUpdatesEnabled(false);
  view->clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(rows.size());
  for (const ListEntry& row : rows) {
    auto* item = new QTreeWidgetItem({row.Name, row.Location});
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                   Qt::ItemNeverHasChildren);
    item->setCheckState(0, row.IsChecked ? Qt::Checked : Qt::Unchecked);
    items.append(item);
  }
  view->addTopLevelItems(items);
  if (current >= 0 && current < items.size()) {
    view->setCurrentItem(items[current]);
    view->scrollToItem(items[current]);
  }
  view->setUpdatesEnabled(true);
}

void SizeEntryListColumns(QTreeWidget* view) {
  const int first = static_cast<int>(view->width() * 0.65);
  view->setColumnWidth(0, first);
  view->setColumnWidth(1, static_cast<int>(first * 1.5));
}

void StripeOddRows(QWidget* view) {
  if (auto* itemView = qobject_cast<QAbstractItemView*>(view)) itemView->setAlternatingRowColors(true);
  QPalette palette = view->palette();
  palette.setColor(QPalette::AlternateBase, QColor(0xEF, 0xEF, 0xFF));
  view->setPalette(palette);
}

ListSelection ReadEntryListSelection(const QTreeWidget* view) {
  ListSelection selection;
  for (const QModelIndex& index : view->selectionModel()->selectedRows()) selection.Rows.append(index.row());
  std::sort(selection.Rows.begin(), selection.Rows.end());
  const QModelIndex current = view->selectionModel()->currentIndex();
  selection.Focused = current.isValid() ? current.row() : -1;
  return selection;
}

void ShowEntryListSelection(QTreeWidget* view, const ListSelection& selection) {
  QAbstractItemModel* model = view->model();
  QItemSelection rows;
  // Runs of neighbouring rows become one range, so selecting thousands of
  // rows stays quick.
  for (qsizetype i = 0; i < selection.Rows.size();) {
    qsizetype j = i;
    while (j + 1 < selection.Rows.size() && selection.Rows[j + 1] == selection.Rows[j] + 1) ++j;
    rows.select(model->index(selection.Rows[i], 0), model->index(selection.Rows[j], model->columnCount() - 1));
    i = j + 1;
  }
  QItemSelectionModel* selectionModel = view->selectionModel();
  selectionModel->select(rows, QItemSelectionModel::ClearAndSelect);
  if (selection.Focused >= 0 && selection.Focused < model->rowCount()) {
    const QModelIndex focused = model->index(selection.Focused, 0);
    selectionModel->setCurrentIndex(focused, QItemSelectionModel::NoUpdate);
    view->scrollTo(focused);
  }
}
