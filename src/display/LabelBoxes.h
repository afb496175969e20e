#pragma once
// The ten overlay boxes of the display window, in the order they are sized.
#include <QString>
#include <QStringList>
#include <array>

enum class LabelBox : int {
  SlideName,  // slideshow name
  GName,      // image file or folder name
  Num,        // image count
  Date,       // shooting or file date
  BGMName,    // music title
  State,      // play state and volume
  Art,        // artwork picture
  Clock,      // clock
  Exif,       // Exif list
  Guide,      // key guide line
};
inline constexpr int kLabelBoxCount = 10;
inline constexpr int Index(LabelBox b) { return static_cast<int>(b); }

template <typename T>
using PerLabelBox = std::array<T, kLabelBoxCount>;

struct LabelRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const LabelRect&) const = default;
};

// Everything a box shows after a layout.
struct LabelBoxState {
  bool Visible = false;
  LabelRect Rect;
  QString Text;  // text boxes only, already cut to the width limit
};

// The whole outcome of a layout, applied by the display window at once.
struct LabelLayout {
  PerLabelBox<bool> Checked{};  // the check marks of the context-menu items
  PerLabelBox<LabelBoxState> Boxes;
  QStringList ExifLines;  // the Exif list; empty when its box is 0 x 0
  LabelRect ExifListRect;  // the list inside the Exif box
};
