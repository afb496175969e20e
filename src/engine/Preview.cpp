#include "engine/Preview.h"

#include "engine/ImageError.h"
#include "engine/PreviewPicture.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"

QString PreviewToolTipText(const QString& file) {
  return QStringLiteral("プレビュー画像 ：\r") + NamePart(ParentPart(file));
}

Preview::Outcome Preview::Refresh(const QStringList& images, int index, int filter, ColorRef background,
                                  UserDialogs& dialogs) {
  if (index < 0 || index >= images.size()) return Outcome::Unchanged;
  const QString& file = images.at(index);
  if (file.isEmpty() || !FileExists(file)) return Outcome::Unchanged;
  try {
    bitmap_ = DecodePreviewPicture(file, filter, background);
  } catch (const ImageError& e) {
    bitmap_ = FrameBitmap();
    dialogs.ShowError(e.Message());
    return Outcome::Failed;
  }
  toolTip_ = PreviewToolTipText(file);
  return Outcome::Shown;
}

void Preview::Clear() {
  bitmap_ = FrameBitmap();
  toolTip_.clear();
}

QPoint Preview::PicturePosition(int areaWidth, int areaHeight) const {
  return QPoint((areaWidth - bitmap_.Width) / 2, (areaHeight - bitmap_.Height) / 2);
}
