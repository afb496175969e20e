#pragma once
// The paint area of the display window: shows the last presented frame at
// (0, 0), the rest in the background colour. Presenting converts the frame
// into the area's own image once, so a repaint never reads engine memory.
#include <QColor>
#include <QImage>
#include <QWidget>

#include "bitmap/FrameBitmap.h"

class DisplayPaintArea final : public QWidget {
 public:
  explicit DisplayPaintArea(QWidget* parent);
  // Copies frame and repaints at once (synchronously).
  void Present(const FrameBitmap& frame);
  void SetBackground(const QColor& colour);
  const QImage& Frame() const { return frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage frame_;
  QColor background_ = Qt::black;
};
