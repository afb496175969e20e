#include "display/LabelTextMeasure.h"

QString CutTextToWidth(LabelTextMeasure& measure, const QString& text, int maxWidth) {
  if (measure.TextWidth(text) <= maxWidth) return text;
  // Binary search for the longest prefix that fits; widths grow with length.
  int fits = 0, tooWide = static_cast<int>(text.size());
  while (tooWide - fits > 1) {
    const int mid = (fits + tooWide) / 2;
    if (measure.TextWidth(text.left(mid)) <= maxWidth) fits = mid; else tooWide = mid;
  }
  // Never split a surrogate pair.
  if (fits > 0 && text.at(fits - 1).isHighSurrogate()) --fits;
  return text.left(fits);
}
