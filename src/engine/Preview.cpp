#include "engine/Preview.h"

#include <new>

#include "display/ExifInfo.h"
#include "engine/ImageError.h"
#include "engine/PreviewPicture.h"
#include "engine/ReadOrientation.h"
#include "filters/ApplyFilter.h"
#include "filters/FilterContext.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"

QString PreviewToolTipText(const QString& file) {
  return QStringLiteral("プレビュー画像 ：\r") + NamePart(ParentPart(file));
}

void Preview::UseDecoder(BackgroundDecoder* decoder, Ready ready) {
  request_.Cancel();
  decoder_ = decoder;
  ready_ = std::move(ready);
}

Preview::Outcome Preview::Refresh(const QStringList& images, int index, int filter, ColorRef background,
                                  UserDialogs& dialogs) {
  if (index < 0 || index >= images.size()) return Outcome::Unchanged;
  const QString& file = images.at(index);
  if (file.isEmpty() || !FileExists(file)) return Outcome::Unchanged;
  if (!decoder_) {
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

  asked_ = Asked{file, filter, &dialogs, std::make_shared<FilterContext>()};
  DecodeOptions options;
  options.Matte = background;
  // Reading the orientation and fitting touch only this request's own data
  // and draw no random numbers, so they run on the worker with the decode.
  auto fit = [file, filter, context = asked_.Context](FrameBitmap& picture) {
    TExifInfo exif;
    const int orientation = ReadOrientation(exif, file);
    picture = FitPreviewPicture(picture, orientation, filter, *context);
  };
  auto done = [this](DecodeResult result) {
    const Asked asked = asked_;
    const Outcome outcome = Finish(asked, std::move(result));
    if (ready_) ready_(outcome);
  };
  // Assigning cancels the request it replaces: its picture never comes back.
  request_ = decoder_->Start(file, options, std::move(done), std::move(fit));
  return Outcome::Pending;
}

Preview::Outcome Preview::Finish(const Asked& asked, DecodeResult result) {
  if (!result.Error) {
    try {
      ApplyFilter(asked.Filter, result.Picture, *asked.Context);
    } catch (const std::bad_alloc&) {
      result.Error = ImageError(asked.File, OutOfMemoryReason());
    } catch (const ImageError& e) {
      result.Error = ImageError(asked.File, e.Reason());
    }
  }
  if (result.Error) {
    bitmap_ = FrameBitmap();
    asked.Dialogs->ShowError(result.Error->Message());
    return Outcome::Failed;
  }
  bitmap_ = std::move(result.Picture);
  toolTip_ = PreviewToolTipText(asked.File);
  return Outcome::Shown;
}

void Preview::Settle() {
  if (!request_.Active()) return;
  const Asked asked = asked_;
  const Outcome outcome = Finish(asked, request_.Wait());
  if (ready_) ready_(outcome);
}

void Preview::Clear() {
  request_.Cancel();
  bitmap_ = FrameBitmap();
  toolTip_.clear();
}

QPoint Preview::PicturePosition(int areaWidth, int areaHeight) const {
  return QPoint((areaWidth - bitmap_.Width) / 2, (areaHeight - bitmap_.Height) / 2);
}
