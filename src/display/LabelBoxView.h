#pragma once
// The label boxes as the label controller drives them: the display window
// implements this with widgets.
#include "display/LabelBoxes.h"

class LabelBoxView {
 public:
  virtual ~LabelBoxView() = default;
  // Applies a whole layout: texts, sizes, positions, visibility, the Exif
  // list and the check marks of the label menu items.
  virtual void ApplyLabelLayout(const LabelLayout& layout) = 0;
  // Rewrites the text of one box without resizing it (clock, play state).
  virtual void SetBoxText(LabelBox box, const QString& text) = 0;
  // Hides the eight text boxes; the Exif and artwork boxes stay.
  virtual void HideTextBoxes() = 0;
};
