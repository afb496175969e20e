#pragma once
// Catalogue filters 14, 15, 19 and 21: the film looks "クロスプロセス",
// "ノスタルジック", "レトロ" and "ブリーチバイパス".
#include "bitmap/FrameBitmap.h"

// "クロスプロセス": reseeds the generator, draws c = Random(1000) mod 6,
// then CrossProcessLook.
void CrossProcessFilter(FrameBitmap& bitmap);
// Tint by the colour of c at 82 %, the channel gains of c, a self-overlay,
// then AddNoise(1, 0.1).
void CrossProcessLook(FrameBitmap& bitmap, int c);

// "ノスタルジック": reseeds the generator and draws the tint (sky blue when
// Random(100) is even, else ochre) before NostalgicLook.
void NostalgicFilter(FrameBitmap& bitmap);
// Brightness-dependent gamma mixed in by overlay at 80 %, less contrast,
// overlay, saturation at 40 %, overlay, the tint at 75 %, AddNoise(4, 0.25).
void NostalgicLook(FrameBitmap& bitmap, bool skyBlue);
// The gamma that the brightness v (largest channel) gets in NostalgicLook.
double NostalgicGamma(int v);

// "レトロ": draws c = Random(1000) mod 4, then RetroLook.
void RetroFilter(FrameBitmap& bitmap);
// Colour plates: exclusion with (7, 1, 66), saturation x 1.1, then for
// c >= 1, 2 and 3 further soft-light and exclusion plates.
void RetroLook(FrameBitmap& bitmap, int c);

// "ブリーチバイパス": the self-screened picture multiplied by its grey
// version, saturation at 80 %, Sharpen 6.
void BleachBypassFilter(FrameBitmap& bitmap);
