#include "filters/ApplyFilter.h"

#include "filters/AddNoise.h"
#include "filters/FilmFilters.h"
#include "filters/FilterKind.h"
#include "filters/GaussianBlur.h"
#include "filters/GreyToneFilters.h"
#include "filters/PartColorFilter.h"
#include "filters/RandomColorFilter.h"

void ApplyFilter(int kind, FrameBitmap& bitmap, const FilterContext& context) {
  switch (static_cast<FilterKind>(kind)) {
    case FilterKind::Grayscale: GrayscaleFilter(bitmap); break;
    case FilterKind::Sepia: SepiaFilter(bitmap, true); break;
    case FilterKind::Monotone: MonotoneFilter(bitmap, true); break;
    case FilterKind::RandomColor: RandomColorFilter(bitmap, context); break;
    case FilterKind::SoftFocus: SoftFocus(bitmap, 8, 0.2); break;
    case FilterKind::Noise: AddNoise(bitmap, 8, 0.2); break;
    case FilterKind::CrossProcess: CrossProcessFilter(bitmap); break;
    case FilterKind::Nostalgic: NostalgicFilter(bitmap); break;
    case FilterKind::PartColor: PartColorFilter(bitmap); break;
    case FilterKind::Retro: RetroFilter(bitmap); break;
    case FilterKind::BleachBypass: BleachBypassFilter(bitmap); break;
    // The painterly and camera filters are not built yet; they leave the
    // picture as it is, like kind 0, 22 and any kind out of range.
    default: break;
  }
}
