#include "transitions/TiltPhoto.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#include "bitmap/BlitBitmap.h"
#include "filters/ClampRound.h"

namespace {

// The framed photo with a white one-pixel ring around it.
FrameBitmap Bordered(const FrameBitmap& framed) {
  FrameBitmap b(framed.Width + 2, framed.Height + 2);
  std::memset(b.Pixels.data(), 255, b.Pixels.size());
  BlitBitmap(b, framed, 1, 1);
  return b;
}

void CopyPixel(std::uint8_t* to, const std::uint8_t* from) { std::memcpy(to, from, 3); }

}  // namespace

TiltBox MeasureTilt(int framedWidth, int framedHeight, int angle) {
  TiltBox box;
  const double a = angle * std::numbers::pi / 180.0;
  box.Cos = std::cos(a);
  box.Sin = std::sin(a);
  if (angle == 0) {
    box.Cos = 1;
    box.Sin = 0;
  }
  const double right = framedWidth + 1;  // last column of the bordered copy
  const double bottom = framedHeight + 1;
  const double xs[4] = {0, right, 0, right};
  const double ys[4] = {0, 0, bottom, bottom};
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (int i = 0; i < 4; ++i) {
    const double rx = xs[i] * box.Cos - ys[i] * box.Sin;
    const double ry = xs[i] * box.Sin + ys[i] * box.Cos;
    if (i == 0 || rx < minX) minX = rx;
    if (i == 0 || rx > maxX) maxX = rx;
    if (i == 0 || ry < minY) minY = ry;
    if (i == 0 || ry > maxY) maxY = ry;
  }
  box.MinX = minX;
  box.MinY = minY;
  box.J = static_cast<int>(std::nearbyint(maxX - minX + 1));
  box.K = static_cast<int>(std::nearbyint(maxY - minY + 1));
  return box;
}

FrameBitmap TiltOnto(const FrameBitmap& framed, const TiltBox& box, const FrameBitmap& screen, int x, int y,
                     ColorRef background, bool redraw) {
  FrameBitmap src = Bordered(framed);
  const int bw = src.Width, bh = src.Height;
  const int fw = framed.Width, fh = framed.Height;

  // The pile beneath: the screen block, the background outside the screen.
  FrameBitmap out(box.J, box.K);
  out.Fill(background);
  {
    const int x0 = std::max(x, 0), x1 = std::min(x + box.J, screen.Width);
    const int y0 = std::max(y, 0), y1 = std::min(y + box.K, screen.Height);
    for (int sy = y0; sy < y1 && x0 < x1; ++sy)
      std::memcpy(out.At(x0 - x, sy - y), screen.At(x0, sy), static_cast<std::size_t>(x1 - x0) * 3);
  }

  // The source point of every output pixel, by the inverse rotation.
  const auto source = [&](int j, int i, double& u, double& v) {
    const double px = j + box.MinX, py = i + box.MinY;
    u = px * box.Cos + py * box.Sin;
    v = -px * box.Sin + py * box.Cos;
  };
  const auto onRing = [&](int cx, int cy) {
    return cx >= 0 && cy >= 0 && cx < bw && cy < bh && (cx == 0 || cy == 0 || cx == bw - 1 || cy == bh - 1);
  };
  const auto inPhoto = [&](int cx, int cy) { return cx >= 1 && cy >= 1 && cx <= fw && cy <= fh; };

  // The ring takes the pile beneath wherever an output pixel falls on it, so
  // the edges fade into the pile; ring pixels no output pixel falls on take
  // the colour next to them.
  std::vector<std::uint8_t> hit(static_cast<std::size_t>(bw) * bh, 0);
  for (int i = 0; i < box.K; ++i) {
    for (int j = 0; j < box.J; ++j) {
      double u, v;
      source(j, i, u, v);
      const int cx = static_cast<int>(std::floor(u)), cy = static_cast<int>(std::floor(v));
      if (!onRing(cx, cy)) continue;
      CopyPixel(src.At(cx, cy), out.At(j, i));
      hit[static_cast<std::size_t>(cy) * bw + cx] = 1;
    }
  }
  int firstHitInTopRow = -1;
  for (int cx = 0; cx < bw && firstHitInTopRow < 0; ++cx)
    if (hit[static_cast<std::size_t>(cx)]) firstHitInTopRow = cx;
  for (int cy = 0; cy < bh; ++cy) {
    for (int cx = 0; cx < bw; ++cx) {
      if (!onRing(cx, cy) || hit[static_cast<std::size_t>(cy) * bw + cx]) continue;
      if (cy > 0) CopyPixel(src.At(cx, cy), src.At(cx, cy - 1));
      else if (cx > 0) CopyPixel(src.At(cx, cy), src.At(cx - 1, cy));
      else if (firstHitInTopRow >= 0) CopyPixel(src.At(cx, cy), src.At(firstHitInTopRow, cy));
    }
  }

  // Inside the photo (by the source point rounded up, or else down): the
  // bilinear mix of the four bordered-copy pixels around the source point.
  for (int i = 0; i < box.K; ++i) {
    std::uint8_t* row = out.Row(i);
    for (int j = 0; j < box.J; ++j) {
      double u, v;
      source(j, i, u, v);
      const double fu = std::floor(u), fv = std::floor(v);
      const int x0 = static_cast<int>(fu), y0 = static_cast<int>(fv);
      const int xc = static_cast<int>(std::ceil(u)), yc = static_cast<int>(std::ceil(v));
      if (!inPhoto(xc, yc) && !inPhoto(x0, y0)) continue;
      if (redraw && onRing(x0, y0)) continue;
      const int x1 = std::min(x0 + 1, bw - 1), y1 = std::min(y0 + 1, bh - 1);
      const double fx = u - fu, fy = v - fv;
      const std::uint8_t* a = src.At(x0, y0);
      const std::uint8_t* b = src.At(x1, y0);
      const std::uint8_t* c = src.At(x0, y1);
      const std::uint8_t* d = src.At(x1, y1);
      std::uint8_t* o = row + static_cast<std::size_t>(j) * 3;
      for (int ch = 0; ch < 3; ++ch) {
        const double top = a[ch] + fx * (b[ch] - a[ch]);
        const double bottom = c[ch] + fx * (d[ch] - c[ch]);
        o[ch] = static_cast<std::uint8_t>(ClampRound(top + fy * (bottom - top)));
      }
    }
  }
  return out;
}
