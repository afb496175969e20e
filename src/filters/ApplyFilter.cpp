#include "filters/ApplyFilter.h"

#include "filters/AddNoise.h"
#include "filters/CameraFilters.h"
#include "filters/FilmFilters.h"
#include "filters/FilterKind.h"
#include "filters/GaussianBlur.h"
#include "filters/GreyToneFilters.h"
#include "filters/PainterlyFilters.h"
#include "filters/PartColorFilter.h"
#include "filters/RandomColorFilter.h"

void ApplyFilter(int kind, FrameBitmap& bitmap, const FilterContext& context) {
  switch (static_cast<FilterKind>(kind)) {
    case FilterKind::Grayscale: GrayscaleFilter(bitmap); break;
    case FilterKind::Sepia: SepiaFilter(bitmap, true); break;
    case FilterKind::Monotone: MonotoneFilter(bitmap, true); break;
    case FilterKind::RandomColor: RandomColorFilter(bitmap, context); break;
    case FilterKind::Paint: PaintFilter(bitmap); break;
    case FilterKind::OilPaint: OilPaintFilter(bitmap, 3); break;
    case FilterKind::Illustration: IllustrationFilter(bitmap); break;
    case FilterKind::Comic: ComicFilter(bitmap, context); break;
    case FilterKind::Pop: PopFilter(bitmap, context); break;
    case FilterKind::ToyCamera: ToyCameraFilter(bitmap, context, RgbColor{0, 0, 0}, 24); break;
    case FilterKind::Television: TelevisionFilter(bitmap, true); break;
    case FilterKind::SoftFocus: SoftFocus(bitmap, 8, 0.2); break;
    case FilterKind::Noise: AddNoise(bitmap, 8, 0.2); break;
    case FilterKind::CrossProcess: CrossProcessFilter(bitmap); break;
    case FilterKind::Nostalgic: NostalgicFilter(bitmap); break;
    case FilterKind::Psychedelic: PsychedelicFilter(bitmap); break;
    case FilterKind::PartColor: PartColorFilter(bitmap); break;
    case FilterKind::PaintedPoster: PaintedPosterFilter(bitmap); break;
    case FilterKind::Retro: RetroFilter(bitmap); break;
    case FilterKind::FakeHdr: FakeHdrFilter(bitmap); break;
    case FilterKind::BleachBypass: BleachBypassFilter(bitmap); break;
    // Kind 0, 22 and any kind out of range leave the picture as it is.
    default: break;
  }
}
