#pragma once
// Fixed-width measuring for layout tests: every character is 7 pixels wide in
// the label font (13 high) and 6 pixels in the list font (lines 12 high).
#include "display/LabelTextMeasure.h"

class FakeLabelMeasure final : public LabelTextMeasure {
 public:
  int TextWidth(const QString& text) override { return 7 * static_cast<int>(text.size()); }
  int TextHeight() override { return 13; }
  int ListTextWidth(const QString& text) override { return 6 * static_cast<int>(text.size()); }
  int ListLineHeight() override { return 12; }
};
