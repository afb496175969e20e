#include "ui/DisplayPaintArea.h"

#include <QPaintEvent>
#include <QPainter>

DisplayPaintArea::DisplayPaintArea(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

void DisplayPaintArea::Present(const FrameBitmap& frame) {
  if (frame_.width() != frame.Width || frame_.height() != frame.Height) {
    frame_ = frame.Empty() ? QImage() : QImage(frame.Width, frame.Height, QImage::Format_RGB32);
  }
  for (int y = 0; y < frame.Height; ++y) {
    const std::uint8_t* src = frame.Row(y);
    auto* dst = reinterpret_cast<QRgb*>(frame_.scanLine(y));
    for (int x = 0; x < frame.Width; ++x, src += 3) {
      dst[x] = 0xFF000000u | (static_cast<QRgb>(src[2]) << 16) | (static_cast<QRgb>(src[1]) << 8) | src[0];
    }
  }
  repaint();
}

void DisplayPaintArea::SetBackground(const QColor& colour) {
  background_ = colour;
  update();
}

void DisplayPaintArea::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect dirty = event->rect();
  const QRect image = frame_.rect();
  if (!frame_.isNull()) {
    p.drawImage(dirty.intersected(image).topLeft(), frame_, dirty.intersected(image));
  }
  // Whatever the frame does not cover shows the background colour.
  const QRegion rest = QRegion(dirty).subtracted(QRegion(image));
  for (const QRect& r : rest) p.fillRect(r, background_);
}
