#pragma once
// Catalogue filter 4, "ランダムカラー": a duotone in a random hue inside a
// white border.
#include "bitmap/FrameBitmap.h"
#include "filters/FilterContext.h"

struct RandomColorDraw {
  float Hue = -1.0f;        // hue of the drawn colour, -1 when its channels are equal
  float Saturation = 0.5f;  // 0.50 .. 1.00
  float Brightness = 0.8f;  // 0.80 .. 1.00
};

// Draws the colour (three channels), the saturation and the brightness
// factor, in this order.
RandomColorDraw DrawRandomColor();

// The filter with its draws given: a self-overlay, the border of
// FramedResult, and every image pixel coloured by its Luma y as
// HsvToRgb(hue, saturation, y * f * f) truncated.
void RandomColorWithDraw(FrameBitmap& bitmap, const FilterContext& context, const RandomColorDraw& draw);

void RandomColorFilter(FrameBitmap& bitmap, const FilterContext& context);
