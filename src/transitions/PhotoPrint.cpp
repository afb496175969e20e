#include "transitions/PhotoPrint.h"

#include <algorithm>

#include "bitmap/BlitBitmap.h"
#include "bitmap/TruncProduct.h"

namespace {

// White over all but the last column and row of a grey picture.
FrameBitmap WhiteCard(int width, int height) {
  FrameBitmap card(width, height);
  card.Fill(kPrintGrey);
  FrameBitmap white(width - 1, height - 1);
  white.Fill(kPrintWhite);
  BlitBitmap(card, white, 0, 0);
  return card;
}

}  // namespace

PrintMeasures MeasurePrint(int incFrame, int photoLongSize) {
  PrintMeasures m;
  m.Border = incFrame == 2 ? PrintBorder::Instant : incFrame == 1 ? PrintBorder::Standard : PrintBorder::None;
  m.P = photoLongSize;
  m.PW = static_cast<int>(m.P * 0.8);
  switch (m.Border) {
    case PrintBorder::Instant: m.B = static_cast<int>(m.P * 0.035); break;
    case PrintBorder::Standard: m.B = static_cast<int>(m.P * 0.025); break;
    case PrintBorder::None: m.B = 0; break;
  }
  return m;
}

PhotoSize PhotoSizeFor(const PrintMeasures& print, int w, int h, int M, int N) {
  PhotoSize s;
  const int B = print.B;
  if (print.Border == PrintBorder::Instant) {
    const int side = print.PW - 2 * B;
    if (w < h) {
      s.Scale = static_cast<double>(side) / w;
      s.Width = side;
      s.Height = TruncProduct(h, s.Scale);
    } else {
      s.Scale = static_cast<double>(side) / h;
      s.Height = side;
      s.Width = TruncProduct(w, s.Scale);
    }
    s.Width = std::max(s.Width, 1);
    s.Height = std::max(s.Height, 1);
    return s;
  }
  const int L = print.P - 2 * B;
  if (w < h) {
    s.Scale = static_cast<double>(L) / h;
    s.Height = L;
    s.Width = TruncProduct(w, s.Scale);
    if (M < s.Width + 2 * B) {
      s.Width = M - 2 * B;
      s.Scale = static_cast<double>(s.Width) / w;
      s.Height = TruncProduct(h, s.Scale);
    }
  } else {
    s.Scale = static_cast<double>(L) / w;
    s.Width = L;
    s.Height = TruncProduct(h, s.Scale);
    if (N < s.Height + 2 * B) {
      s.Height = N - 2 * B;
      s.Scale = static_cast<double>(s.Height) / h;
      s.Width = TruncProduct(w, s.Scale);
    }
  }
  // A very long panorama or a screen narrower than the border would leave no
  // pixel at all; the photo keeps at least one in each direction.
  s.Width = std::max(s.Width, 1);
  s.Height = std::max(s.Height, 1);
  return s;
}

FrameBitmap CutInstantSquare(const FrameBitmap& photo) {
  const int S = std::min(photo.Width, photo.Height);
  FrameBitmap square(S + 1, S + 1);
  square.Fill(kPrintGrey);
  const int left = (photo.Width - S) / 2;
  const int top = (photo.Height - S) / 2;
  for (int y = 0; y < S; ++y)
    std::copy_n(photo.At(left, top + y), static_cast<std::size_t>(S) * 3, square.At(1, 1 + y));
  return square;
}

FrameBitmap FramePhoto(const FrameBitmap& photo, const PrintMeasures& print) {
  FrameBitmap framed;
  switch (print.Border) {
    case PrintBorder::None: framed.Assign(photo); return framed;
    case PrintBorder::Instant: framed = WhiteCard(print.PW + 1, print.P + 1); break;
    case PrintBorder::Standard:
      framed = WhiteCard(photo.Width + 2 * print.B + 1, photo.Height + 2 * print.B + 1);
      break;
  }
  BlitBitmap(framed, photo, print.B, print.B);
  return framed;
}
