#pragma once
// Draws the rows of the slideshow list: 16 pixels high, the text 2 pixels
// below the row top; rows with an odd index that are not selected get black
// text on the stripe colour, the others the list's normal colours.
#include <QStyledItemDelegate>

class SlideshowRowDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
