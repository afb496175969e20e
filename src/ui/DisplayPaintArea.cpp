#include "ui/DisplayPaintArea.h"

#include <QPaintEvent>
#include <QPainter>

#include "display/BgrToXrgb.h"

DisplayPaintArea::DisplayPaintArea(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

void DisplayPaintArea::Present(const FrameBitmap& frame) {
  if (frame_.width() != frame.Width || frame_.height() != frame.Height) {
    frame_ = frame.Empty() ? QImage() : QImage(frame.Width, frame.Height, QImage::Format_RGB32);
  }
  for (int y = 0; y < frame.Height; ++y) {
    BgrRowToXrgb(frame.Row(y), reinterpret_cast<std::uint32_t*>(frame_.scanLine(y)), frame.Width);
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
