#pragma once
// Sizing and placing the overlay boxes in the corners of the monitor.
#include <optional>

#include "display/LabelBoxes.h"
#include "display/LabelTextMeasure.h"

inline constexpr int kLabelMargin = 9;        // distance of the groups from the edges
inline constexpr int kLabelWidthReserve = 18;  // text width limit is MW - 18

// What a layout reads, gathered at the moment of the layout.
struct LabelLayoutInput {
  int MW = 0;  // monitor of the main window
  int MH = 0;
  bool DisplayShowing = false;
  bool UseLabel = true;
  int GGroupPos = 1;
  PerLabelBox<bool> Settings{};  // SlideName, GName, ... Guide (the truth)
  // Music is "on" for the boxes when UseBGM is on and the BGM play list is
  // not empty; while it is on and the player holds no file nothing is laid out.
  bool MusicOn = false;
  bool BgmPlayListEmpty = true;
  bool PlayerHoldsFile = false;
  // The texts of the text boxes (music texts from the music controller).
  QString SlideName, GName, Num, Date, BGMName, StateLayout, State, Clock, Guide;
  // The Exif lines of the current image; empty when the reader refused it.
  QStringList ExifLines;
  // The artwork panel's size, 0 x 0 when nothing is loaded.
  int ArtWidth = 0;
  int ArtHeight = 0;
};

// The Exif list always holds this many lines; a box is only shown with more.
inline constexpr int kFixedExifLines = 3;

// Places boxes of the given sizes (Width, Height used; Left, Top ignored) by
// GGroupPos: the image group in its corner, the music group opposite, the Exif
// box and the guide with the clock in the two others.
PerLabelBox<LabelRect> PlaceLabelBoxes(int mw, int mh, int gGroupPos,
                                       const PerLabelBox<LabelRect>& sizes);

// The whole layout; nothing (no change at all) when labels are off, the
// display is not showing or music is on but not yet loaded.
std::optional<LabelLayout> ComputeLabelLayout(const LabelLayoutInput& in, LabelTextMeasure& measure);
