#pragma once
// Where the main window goes when it grows downward (the detail options
// folding out): it moves up just enough to keep its bottom edge a margin
// above the bottom of the work area (the screen less a bottom task bar).
#include <QRect>

inline constexpr int kBottomMarginAboveWorkArea = 20;

// The new top edge for a window whose frame is frame on a screen whose work
// area is workArea. A window that already fits keeps its place; one taller
// than the work area stops at the work area's top.
int TopKeepingBottomAboveWorkArea(const QRect& frame, const QRect& workArea,
                                  int margin = kBottomMarginAboveWorkArea);
