#pragma once
// The display's labels drawn into the export's pictures: the layout the
// label controller makes for the video's size, measured with the display's
// fonts, painted as the display paints its boxes (a filled box, the text
// centred in it; the Exif box with its lines). The artwork box is left out.
// Needs a running QGuiApplication for its fonts.
#include "bitmap/FrameBitmap.h"
#include "display/LabelBoxView.h"
#include "display/LabelTextMeasure.h"
#include "library/SlideshowOptions.h"

#include <QFont>
#include <QFontMetrics>

class LabelOverlay final : public LabelBoxView, public LabelTextMeasure {
 public:
  explicit LabelOverlay(const DisplayColours& colours);

  // Whether fonts can be used in this process (a QGuiApplication runs).
  static bool Available();

  void ApplyLabelLayout(const LabelLayout& layout) override { layout_ = layout; }
  void SetBoxText(LabelBox box, const QString& text) override;
  void HideTextBoxes() override;
  int TextWidth(const QString& text) override { return labelMetrics_.horizontalAdvance(text); }
  int TextHeight() override { return labelMetrics_.height(); }
  int ListTextWidth(const QString& text) override { return listMetrics_.horizontalAdvance(text); }
  int ListLineHeight() override { return listMetrics_.height(); }

  // Paints the visible boxes over frame.
  void Draw(FrameBitmap& frame) const;

 private:
  DisplayColours colours_;
  QFont labelFont_;
  QFont listFont_;
  QFontMetrics labelMetrics_;
  QFontMetrics listMetrics_;
  LabelLayout layout_;
};
