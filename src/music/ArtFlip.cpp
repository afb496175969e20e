#include "music/ArtFlip.h"

#include <cstring>

#include "platform/Clock.h"

void ArtFlipFrame(FrameBitmap& into, const FrameBitmap& background, const FrameBitmap& picture, int k,
                  bool closing, ScaleScratch& scratch) {
  if (into.Width != background.Width || into.Height != background.Height) return;
  const int W = into.Width, H = into.Height;
  const int d = W / kArtFlipSteps;
  const int w = closing ? W - k * d : k * d;
  const int x = (W - w) / 2;
  if (!into.Pixels.empty()) std::memcpy(into.Pixels.data(), background.Pixels.data(), into.Pixels.size());
  if (w <= 0 || H <= 0 || picture.Empty()) return;
  ScaleInto(into, x, 0, w, H, picture, scratch);
  // Darkening: ((in * (16 - k)) >> 4) + ((k * g) >> 4); brightening:
  // (((16 - k) * g) >> 4) + ((k * in) >> 4); each term shifted on its own.
  const unsigned g = kArtFlipShade, kk = static_cast<unsigned>(k), rest = kArtFlipSteps - kk;
  const unsigned keep = closing ? rest : kk;
  const unsigned shade = closing ? (kk * g) >> 4 : (rest * g) >> 4;
  for (int y = 0; y < H; ++y) {
    std::uint8_t* p = into.At(x, y);
    for (int i = 0; i < w * 3; ++i) p[i] = static_cast<std::uint8_t>(((p[i] * keep) >> 4) + shade);
  }
}

void ArtFlip(FrameBitmap& art, const FrameBitmap& from, const FrameBitmap& to, const FrameBitmap& background,
             Clock& pacing, const std::function<void(const FrameBitmap&)>& repaint) {
  ScaleScratch scratch(art.Width > 0 ? art.Width : 1);
  const auto show = [&] {
    pacing.Sleep(kArtFlipSleepMs);
    if (repaint) repaint(art);
  };
  for (int k = 0; k <= kArtFlipSteps; ++k) {
    if (k == 0) art.Assign(from);
    else ArtFlipFrame(art, background, from, k, true, scratch);
    show();
  }
  for (int k = 0; k <= kArtFlipSteps; ++k) {
    if (k == kArtFlipSteps) art.Assign(to);
    else ArtFlipFrame(art, background, to, k, false, scratch);
    show();
  }
}
