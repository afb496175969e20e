#pragma once
// Catalogue filters 5, 6, 7, 8 and 18: the picture redrawn as a painting or
// a drawing ("ペイント", "オイルペイント", "イラスト", "コミック",
// "ロックウェル"). None of them draws random numbers.
#include "bitmap/FrameBitmap.h"
#include "filters/FilterContext.h"

// "ペイント": quadrant smoothing of radius 2 multiplied by its own full
// strength sketch, then value x 1.3 and saturation x 1.2.
void PaintFilter(FrameBitmap& bitmap);

// "オイルペイント": OilPaintSmooth at the given radius (the catalogue uses 3,
// the album artwork 2); a radius outside 1..10 changes nothing.
void OilPaintFilter(FrameBitmap& bitmap, int radius);

// "イラスト": the picture posterized to 8 levels multiplied by its sketch at
// 55 % strength, then value x 1.1 and saturation x 1.2.
void IllustrationFilter(FrameBitmap& bitmap);

// "コミック": the white border of FramedResult, then black ink lines
// (LineArt) over the posterized picture with saturation x 1.3.
void ComicFilter(FrameBitmap& bitmap, const FilterContext& context);

// "ロックウェル": tone compression into a brightness layer and a colour
// layer; the brightness is smoothed and sharpened, recoloured and mixed back
// over the contrast-reduced colours by two soft-light blends.
void PaintedPosterFilter(FrameBitmap& bitmap);
