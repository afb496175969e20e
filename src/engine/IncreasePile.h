#pragma once
// The Increase transition: photos pile up on the screen as prints instead of
// replacing each other. Each new image is laid on the pile as a print of a
// chosen long side (plain, with a white border or as an instant-camera
// print), optionally tilted, at a random place that keeps clear of the
// previous photo; the previous photo is refiltered with the pile filter so the
// newest stands out, and the old pile cross-fades into the new one.
//
// The pile itself is ScreenBitmap of the show path; this object keeps the
// newest photo so that it can be refiltered when the next one arrives.
#include "bitmap/FrameBitmap.h"
#include "transitions/PhotoPrint.h"

class Clock;
class DisplaySurface;
class ImageShow;
class UserDialogs;

// What one image change of the pile reads from the options and the engine.
struct IncreaseSettings {
  int PhotoLongSize = 456;  // the print's long side P, 200..500
  int IncFrame = 1;         // 0 none, 1 white border, 2 instant print
  bool IncRotate = true;    // tilt the prints
  int IncreaseFilter = 0;   // the filter the previous photo receives now
};

class IncreasePile {
 public:
  IncreasePile(DisplaySurface& surface, Clock& pacing, UserDialogs& dialogs);

  // Lays the current image of show on the pile (a new pile on the plain
  // background when show.HasPreviousScreen is false) and cross-fades to it.
  void ShowWithIncrease(ImageShow& show, const IncreaseSettings& settings);

  // Frees the newest photo's pictures (at stop).
  void Release();

  // The newest photo as placed, before framing and tilting.
  const FrameBitmap& LastPhoto() const { return lastPhoto_; }
  // It framed, and tilted over the pile beneath when tilting is on.
  const FrameBitmap& LastFramed() const { return lastFramed_; }
  int LastX() const { return lastX_; }
  int LastY() const { return lastY_; }
  int LastAngle() const { return lastAngle_; }
  bool LastWasTilted() const { return lastWasTilted_; }

 private:
  // Scales, sharpens, filters and turns the current image into the photo;
  // false after an error box.
  bool MakePhoto(ImageShow& show, const PrintMeasures& print, FrameBitmap& photo);
  // A random place for a w x t print, at most 32 pixels over any edge and,
  // on an existing pile, away from the previous photo.
  int DrawPosition(int room, bool pileExists, int previous, int minDistance) const;

  DisplaySurface& surface_;
  Clock& pacing_;
  UserDialogs& dialogs_;
  FrameBitmap lastPhoto_;
  FrameBitmap lastFramed_;
  int lastX_ = 0;
  int lastY_ = 0;
  int lastAngle_ = 0;
  bool lastWasTilted_ = false;
  // The newest photo's image once upright, for filters that look at it.
  int lastUprightWidth_ = 0;
  int lastUprightHeight_ = 0;
};
