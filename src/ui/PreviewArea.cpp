#include "ui/PreviewArea.h"

#include <QPainter>

#include "display/BgrToXrgb.h"

PreviewArea::PreviewArea(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewArea::ShowPicture(const FrameBitmap& picture, QPoint topLeft) {
  topLeft_ = topLeft;
  if (picture.Empty()) {
    picture_ = QImage();
  } else {
    picture_ = QImage(picture.Width, picture.Height, QImage::Format_RGB32);
    for (int y = 0; y < picture.Height; ++y)
      BgrRowToXrgb(picture.Row(y), reinterpret_cast<std::uint32_t*>(picture_.scanLine(y)), picture.Width);
  }
  update();
}

void PreviewArea::SetBackground(const QColor& colour) {
  background_ = colour;
  update();
}

void PreviewArea::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background_);
  if (!picture_.isNull()) p.drawImage(topLeft_, picture_);
}
