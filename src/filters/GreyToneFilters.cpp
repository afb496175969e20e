#include "filters/GreyToneFilters.h"

#include "bitmap/ParallelRows.h"
#include "filters/BlendMode.h"
#include "filters/FilterTables.h"
#include "filters/Luma.h"
#include "platform/Random.h"

void MapGreyTones(FrameBitmap& bitmap, const Curve& before, const ChannelCurves& after) {
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    std::uint8_t* p = bitmap.Row(begin);
    const std::size_t count = static_cast<std::size_t>(bitmap.Width) * (end - begin);
    for (std::size_t i = 0; i < count; ++i, p += 3) {
      const int y = Luma(before[p[2]], before[p[1]], before[p[0]]);
      p[0] = after.Blue[y];
      p[1] = after.Green[y];
      p[2] = after.Red[y];
    }
  });
}

void GrayscaleFilter(FrameBitmap& bitmap) {
  MapGreyTones(bitmap, SelfBlendCurve(BlendMode::Overlay), SameCurves(IdentityCurve()));
}

void GreyToneWithExponents(FrameBitmap& bitmap, bool softLightPreStep, double red, double green, double blue) {
  const Curve before = softLightPreStep ? Curve(SelfSoftLight()) : IdentityCurve();
  MapGreyTones(bitmap, before, ChannelCurves{PowerCurve(red), PowerCurve(green), PowerCurve(blue)});
}

void SepiaFilter(FrameBitmap& bitmap, bool softLightPreStep) {
  GreyToneWithExponents(bitmap, softLightPreStep, 0.7, 1.0, 1.3);
}

void MonotoneFilter(FrameBitmap& bitmap, bool softLightPreStep) {
  const double red = (Random(5) + 8) / 10.0;
  const double green = (Random(5) + 8) / 10.0;
  const double blue = (Random(5) + 8) / 10.0;
  GreyToneWithExponents(bitmap, softLightPreStep, red, green, blue);
}
