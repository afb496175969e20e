#pragma once
// The preview area of the main window (pnlDisplay): paints the preview
// picture centred on the preview background colour.
#include <QColor>
#include <QImage>
#include <QWidget>

#include "bitmap/FrameBitmap.h"

class PreviewArea final : public QWidget {
 public:
  explicit PreviewArea(QWidget* parent);
  // Copies picture (empty: only the background shows) placed at topLeft.
  void ShowPicture(const FrameBitmap& picture, QPoint topLeft);
  void SetBackground(const QColor& colour);
  const QImage& Picture() const { return picture_; }
  QColor Background() const { return background_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  QPoint topLeft_;
  QColor background_ = Qt::black;
};
