#pragma once
// The preview of the main window while no slideshow plays: the finished
// picture of one image of the current folder, its tooltip and where it sits
// in the preview area. The window paints what this holds.
#include <QPoint>
#include <QString>
#include <QStringList>

#include "bitmap/FrameBitmap.h"

class UserDialogs;

class Preview {
 public:
  // What RefreshPreview did, so the window knows what to redraw.
  enum class Outcome { Unchanged, Shown, Failed };

  // Rebuilds PreviewBitmap for images[index] with filter (the filter
  // selector's position); background lies under transparent parts. Nothing
  // happens for an empty list, an index outside it or a file that is gone.
  // A file that cannot be decoded is reported like a slideshow image and
  // leaves the area empty (the background shows).
  Outcome Refresh(const QStringList& images, int index, int filter, ColorRef background, UserDialogs& dialogs);

  // The area shows only its background (no images).
  void Clear();

  const FrameBitmap& PreviewBitmap() const { return bitmap_; }
  const QString& ToolTip() const { return toolTip_; }
  // The picture's top left corner in an area of the given size: centred,
  // halves truncated toward zero.
  QPoint PicturePosition(int areaWidth, int areaHeight) const;

 private:
  FrameBitmap bitmap_;
  QString toolTip_;
};

// "プレビュー画像 ：\r" and the name of the folder that holds file.
QString PreviewToolTipText(const QString& file);
