#pragma once
// Measuring texts in the fonts of the label boxes. The display window
// measures with the real fonts; tests use fixed character widths.
#include <QString>

class LabelTextMeasure {
 public:
  virtual ~LabelTextMeasure() = default;
  // Width and height of text in the 13-pixel label font.
  virtual int TextWidth(const QString& text) = 0;
  virtual int TextHeight() = 0;
  // Width of a line and height of one line in the 12-pixel Exif list font.
  virtual int ListTextWidth(const QString& text) = 0;
  virtual int ListLineHeight() = 0;
};

// The longest start of text whose width is at most maxWidth: a text that is
// too wide for its box is cut at the end.
QString CutTextToWidth(LabelTextMeasure& measure, const QString& text, int maxWidth);
