#pragma once
// The photo prints of the Increase pile: their sizes for a chosen long side,
// the square cut of an instant-camera print and the white frame with its grey
// edge.
#include "bitmap/FrameBitmap.h"

// The border kinds of the IncFrame option.
enum class PrintBorder : int { None = 0, Standard = 1, Instant = 2 };

inline constexpr ColorRef kPrintWhite = 0xFFFFFF;
inline constexpr ColorRef kPrintGrey = 0x808080;  // frame edge and square background

// The measures of a print with long side P.
struct PrintMeasures {
  PrintBorder Border = PrintBorder::Standard;
  int P = 456;  // long side of the framed print
  int PW = 0;   // width of an instant print: Trunc(P * 0.8)
  int B = 0;    // border: Trunc(P * 0.035) instant, Trunc(P * 0.025) standard, 0 none
};
PrintMeasures MeasurePrint(int incFrame, int photoLongSize);

// The photo's size for an upright image of w x h on an M x N monitor, and
// the scale from the image to it.
struct PhotoSize {
  int Width = 0;
  int Height = 0;
  double Scale = 1.0;
};
PhotoSize PhotoSizeFor(const PrintMeasures& print, int w, int h, int M, int N);

// An instant print shows the centred square of the photo: an (S + 1) x (S + 1)
// grey picture (S the shorter side) with the square at (1, 1), leaving a grey
// line along the top and the left.
FrameBitmap CutInstantSquare(const FrameBitmap& photo);

// The photo in its frame: an instant print is (PW + 1) x (P + 1), a standard
// print the photo plus 2B + 1 each way; white with a grey last column and
// row, the photo at (B, B). Without a border the photo itself.
FrameBitmap FramePhoto(const FrameBitmap& photo, const PrintMeasures& print);
