#include "engine/FitImage.h"

#include "bitmap/TruncProduct.h"

FitResult FitImage(int uprightWidth, int uprightHeight, int monitorWidth, int monitorHeight, int margin) {
  const int W = uprightWidth, H = uprightHeight, MW = monitorWidth, MH = monitorHeight, m = margin;
  FitResult r;
  if (W < 1 || H < 1) return r;
  if (H > W) {
    r.Height = MH - 2 * m;
    r.Scale = static_cast<double>(r.Height) / H;
    r.Width = TruncProduct(W, r.Scale);
    if (MW < r.Width + 2 * m) {
      r.Width = MW - 2 * m;
      r.Scale = static_cast<double>(r.Width) / W;
      r.Height = TruncProduct(H, r.Scale);
    }
  } else {
    r.Width = MW - 2 * m;
    r.Scale = static_cast<double>(r.Width) / W;
    r.Height = TruncProduct(H, r.Scale);
    if (MH < r.Height + 2 * m) {
      r.Height = MH - 2 * m;
      r.Scale = static_cast<double>(r.Height) / H;
      r.Width = TruncProduct(W, r.Scale);
    }
  }
  return r;
}
