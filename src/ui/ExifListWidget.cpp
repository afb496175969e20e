#include "ui/ExifListWidget.h"

#include <QFontMetrics>
#include <QPainter>

ExifListWidget::ExifListWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ExifListWidget::SetLines(const QStringList& lines) {
  if (lines == lines_) return;
  lines_ = lines;
  update();
}

void ExifListWidget::SetColours(const QColor& text, const QColor& background) {
  textColour_ = text;
  background_ = background;
  update();
}

int ExifListWidget::LineHeight() const { return QFontMetrics(font()).height(); }

void ExifListWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background_);
  p.setPen(textColour_);
  const int h = LineHeight();
  // One pixel of list border room on each side, as a borderless list box has.
  int top = 1;
  for (const QString& line : lines_) {
    p.drawText(QRect(1, top, width() - 2, h), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               line);
    top += h;
  }
}
