#include "ui/LabelBoxWidget.h"

#include <QPainter>

LabelBoxWidget::LabelBoxWidget(QWidget* parent) : QWidget(parent) {
  // The box paints every pixel itself: no background erase, no flicker.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void LabelBoxWidget::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

void LabelBoxWidget::SetColours(const QColor& text, const QColor& background) {
  textColour_ = text;
  background_ = background;
  update();
}

void LabelBoxWidget::SetTextFont(const QFont& font) {
  setFont(font);
  update();
}

void LabelBoxWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background_);
  p.setPen(textColour_);
  p.setFont(font());
  p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text_);
}
