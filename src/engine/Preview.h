#pragma once
// The preview of the main window while no slideshow plays: the finished
// picture of one image of the current folder, its tooltip and where it sits
// in the preview area. The window paints what this holds.
//
// With a BackgroundDecoder the file is decoded, fitted and sharpened on the
// decoder's worker, so stepping through large photos never freezes the
// window; the filter (which may draw random numbers) runs on the
// user-interface thread when the picture comes back. A newer request
// supersedes one still in flight: only the newest picture is ever shown.
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "bitmap/FrameBitmap.h"
#include "engine/BackgroundDecoder.h"

class UserDialogs;
struct FilterContext;

class Preview {
 public:
  // What Refresh did, so the window knows what to redraw. Pending: the
  // picture is being made; the ready hook reports Shown or Failed later.
  enum class Outcome { Unchanged, Shown, Failed, Pending };
  using Ready = std::function<void(Outcome)>;

  // From now on Refresh decodes on decoder (which must outlive this) and
  // calls ready on the user-interface thread once the picture is in
  // PreviewBitmap or has failed. Without a decoder Refresh works at once.
  void UseDecoder(BackgroundDecoder* decoder, Ready ready);

  // Rebuilds PreviewBitmap for images[index] with filter (the filter
  // selector's position); background lies under transparent parts. Nothing
  // happens for an empty list, an index outside it or a file that is gone.
  // A file that cannot be decoded is reported like a slideshow image and
  // leaves the area empty (the background shows).
  Outcome Refresh(const QStringList& images, int index, int filter, ColorRef background, UserDialogs& dialogs);

  // A picture asked for and not finished yet.
  bool Pending() const { return request_.Active(); }
  // Finishes the pending picture now, waiting for its decode, and reports it
  // through the ready hook. A slideshow start calls this first so the
  // preview's filter draws its random numbers before the show's, as when the
  // preview was made at once.
  void Settle();

  // The area shows only its background (no images); a pending picture is
  // dropped.
  void Clear();

  const FrameBitmap& PreviewBitmap() const { return bitmap_; }
  const QString& ToolTip() const { return toolTip_; }
  // The picture's top left corner in an area of the given size: centred,
  // halves truncated toward zero.
  QPoint PicturePosition(int areaWidth, int areaHeight) const;

 private:
  // What a request needs once its fitted picture is back.
  struct Asked {
    QString File;
    int Filter = 0;
    UserDialogs* Dialogs = nullptr;
    std::shared_ptr<FilterContext> Context;  // written by the worker
  };
  Outcome Finish(const Asked& asked, DecodeResult result);

  FrameBitmap bitmap_;
  QString toolTip_;
  BackgroundDecoder* decoder_ = nullptr;
  Ready ready_;
  Asked asked_;
  DecodeRequest request_;
};

// "プレビュー画像 ：\r" and the name of the folder that holds file.
QString PreviewToolTipText(const QString& file);
