#include "filters/BlendMode.h"

#include <array>
#include <cmath>
#include <memory>

#include "bitmap/ParallelRows.h"
#include "filters/ClampRound.h"
#include "filters/FilterTables.h"

std::uint8_t ComputeBlendChannel(int a, int b, BlendMode mode) {
  const double da = a;
  const double db = b;
  switch (mode) {
    case BlendMode::Normal:
      return static_cast<std::uint8_t>(b);
    case BlendMode::Multiply:
      return static_cast<std::uint8_t>(ClampRound(da * db / 255.0));
    case BlendMode::Screen:
      return static_cast<std::uint8_t>(ClampRound(da + db - da * db / 255.0));
    case BlendMode::Overlay:
      if (a < 128) return static_cast<std::uint8_t>(ClampRound(2.0 * da * db / 255.0));
      return static_cast<std::uint8_t>(ClampRound(2.0 * (da + db - da * db / 255.0) - 255.0));
    case BlendMode::SoftLight: {
      const double exponent = b < 128 ? (255.0 - db) / 128.0 : 128.0 / db;
      return static_cast<std::uint8_t>(ClampRound(255.0 * std::pow(da / 255.0, exponent)));
    }
    case BlendMode::Exclusion:
      return static_cast<std::uint8_t>(ClampRound(da + db - 2.0 * da * db / 255.0));
  }
  return static_cast<std::uint8_t>(b);
}

std::uint8_t BlendChannel(int a, int b, BlendMode mode) {
  const BlendTable* table = BlendTableFor(mode);
  if (table == nullptr) return ComputeBlendChannel(a, b, mode);
  return (*table)[static_cast<std::size_t>(a) * 256 + static_cast<std::size_t>(b)];
}

BlendTable MakeLayerBlendTable(BlendMode mode, int opacity) {
  opacity = opacity < 0 ? 0 : (opacity > 100 ? 100 : opacity);
  const BlendTable* table = BlendTableFor(mode);
  BlendTable out;
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      const int index = a * 256 + b;
      const int res = table ? (*table)[index] : b;  // only Normal has no table
      out[index] = static_cast<std::uint8_t>(RoundHalfEvenDiv((100 - opacity) * a + opacity * res, 100));
    }
  }
  return out;
}

void LayerBlend(const FrameBitmap& base, const FrameBitmap& top, int opacity, BlendMode mode,
                FrameBitmap& dest) {
  if (base.Width != top.Width || base.Height != top.Height) return;
  opacity = opacity < 0 ? 0 : (opacity > 100 ? 100 : opacity);
  if (&dest != &base && &dest != &top) dest.SetSize(base.Width, base.Height);
  const std::size_t n = base.Pixels.size();
  const std::uint8_t* a = base.Pixels.data();
  const std::uint8_t* b = top.Pixels.data();
  std::uint8_t* d = dest.Pixels.data();
  if (opacity == 100 && mode == BlendMode::Normal) {
    if (d != b) for (std::size_t i = 0; i < n; ++i) d[i] = b[i];
    return;
  }
  const BlendTable* table = BlendTableFor(mode);
  std::unique_ptr<BlendTable> mixed;
  if (opacity < 100) {
    mixed = std::make_unique<BlendTable>(MakeLayerBlendTable(mode, opacity));
    table = mixed.get();
  }
  const std::size_t rowBytes = base.RowBytes();
  ParallelRows(base.Height, [&](int begin, int end) {
    const std::size_t last = rowBytes * static_cast<std::size_t>(end);
    for (std::size_t i = rowBytes * static_cast<std::size_t>(begin); i < last; ++i)
      d[i] = (*table)[(static_cast<std::size_t>(a[i]) << 8) | b[i]];
  });
}

std::array<std::uint8_t, 256> SelfBlendCurve(BlendMode mode) {
  std::array<std::uint8_t, 256> curve;
  for (int i = 0; i < 256; ++i) curve[i] = BlendChannel(i, i, mode);
  return curve;
}

void SelfBlend(FrameBitmap& bitmap, BlendMode mode) { LayerBlend(bitmap, bitmap, 100, mode, bitmap); }
