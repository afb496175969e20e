#include "ui/SlideshowRowDelegate.h"

#include <QPainter>

namespace {
constexpr int kRowHeight = 16;
constexpr int kTextTop = 2;
constexpr int kTextLeft = 2;
const QColor kStripe(0xEF, 0xEF, 0xFF);
}  // namespace

void SlideshowRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  const QPalette& palette = option.palette;
  QColor background = palette.color(QPalette::Base);
  QColor text = palette.color(QPalette::Text);
  if (selected) {
    background = palette.color(QPalette::Highlight);
    text = palette.color(QPalette::HighlightedText);
  } else if (index.row() % 2 == 1) {
    background = kStripe;
    text = Qt::black;
  }
  painter->save();
  painter->fillRect(option.rect, background);
  painter->setPen(text);
  painter->setFont(option.font);
  const QRect textRect = option.rect.adjusted(kTextLeft, kTextTop, 0, 0);
  painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    index.data(Qt::DisplayRole).toString());
  painter->restore();
}

QSize SlideshowRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
}
