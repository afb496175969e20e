#pragma once
// The paint box of the artwork panel: shows the artwork picture at (0, 0).
// Painting converts the picture into the box's own image once, so a repaint
// never reads engine memory.
#include <QImage>
#include <QWidget>

#include "bitmap/FrameBitmap.h"

class ArtPaintBox final : public QWidget {
 public:
  explicit ArtPaintBox(QWidget* parent);
  // Copies art and repaints at once (synchronously).
  void Present(const FrameBitmap& art);
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};
