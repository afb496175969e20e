#include "library/ColourItems.h"

ColorRef* ColourOfItem(int item, ColorRef& bkColor, DisplayColours& c) {
  ColorRef* const targets[] = {
      &bkColor,       &c.SlideNameFColor, &c.SlideNameColor, &c.GNameFColor, &c.GNameColor,
      &c.NumFColor,   &c.NumColor,        &c.DateFColor,     &c.DateColor,   &c.BGMNameFColor,
      &c.BGMNameColor, &c.StateFColor,    &c.StateColor,     &c.ClockFColor, &c.ClockColor,
      &c.ExifFColor,  &c.ExifColor,       &c.GuideFColor,    &c.GuideColor,
  };
  if (item < 0 || item >= static_cast<int>(std::size(targets))) return nullptr;
  return targets[item];
}

ColorRef DefaultColourOfItem(int item) {
  ColorRef background = 0;
  DisplayColours defaults;
  const ColorRef* colour = ColourOfItem(item, background, defaults);
  return colour ? *colour : 0;
}
