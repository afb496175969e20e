#include "ui/ArtPaintBox.h"

#include <QPainter>

#include "display/BgrToXrgb.h"

ArtPaintBox::ArtPaintBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ArtPaintBox::Present(const FrameBitmap& art) {
  if (picture_.width() != art.Width || picture_.height() != art.Height)
    picture_ = art.Empty() ? QImage() : QImage(art.Width, art.Height, QImage::Format_RGB32);
  for (int y = 0; y < art.Height; ++y)
    BgrRowToXrgb(art.Row(y), reinterpret_cast<std::uint32_t*>(picture_.scanLine(y)), art.Width);
  if (isVisible()) repaint();
}

void ArtPaintBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(0x31, 0x31, 0x31));  // the panel's own colour around a smaller picture
  if (!picture_.isNull()) p.drawImage(0, 0, picture_);
}
