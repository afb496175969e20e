#include "library/WindowPlacement.h"

#include <algorithm>

int TopKeepingBottomAboveWorkArea(const QRect& frame, const QRect& workArea, int margin) {
  // QRect's bottom() is the last row inside; the frame's last row may lie on
  // the row margin pixels above the work area's end.
  const int lowestBottom = workArea.y() + workArea.height() - margin - 1;
  const int overflow = frame.bottom() - lowestBottom;
  if (overflow <= 0) return frame.y();
  return std::max(workArea.y(), frame.y() - overflow);
}
