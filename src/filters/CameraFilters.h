#pragma once
// Catalogue filters 9, 10, 11, 16 and 20: the camera, screen and poster
// looks "ポップ", "トイカメラ", "テレビ", "サイケ" and "フェイクHDR". Every
// filter that draws random numbers draws them all before its pixel work, in
// the order of its steps; the ...Look functions take those draws and do the
// pixel work, so that a test can give them fixed draws.
#include <array>
#include <cstdint>

#include "bitmap/FrameBitmap.h"
#include "filters/FilterContext.h"
#include "filters/RgbColor.h"

// The colours of one "ポップ" picture or tile. Tone rule 0: black, h1 at
// value 85, h1 at 170, white by Luma quarters; rule 1: black below 65, h1
// at 127 up to 104, h2 up to 140, h3 above; rule 2: black below 128, h1
// above; rule 3: h1 below 128, h3 above. Hues in 0..1; every colour is
// HsvToRgb truncated to bytes.
struct PopTones {
  int Rule = 0;
  float H1 = 0.0f;
  float H2 = 0.0f;
  float H3 = 0.0f;
  float Saturation = 0.7f;
  float Value = 185.0f;
};

// The blue, green, red colour of every Luma 0..255 under the tones.
std::array<std::array<std::uint8_t, 3>, 256> PopColours(const PopTones& tones);

// The single form's draws: h1, s, v, then the mode (0: rule 0, 1: rule 2).
PopTones DrawPopSingle();
// Sharpen by 3, then every pixel coloured by its Luma.
void PopSingleLook(FrameBitmap& bitmap, const PopTones& tones);

// The grid form's draws: s, v, the rule, the sequence switch, the two ends
// of the hue sequence when it is used, then h1, h2 and h3 of each tile.
std::array<PopTones, 9> DrawPopGrid();
// Outer margin K and tile side N of the grid on a monitor MH pixels high.
struct PopGridGeometry {
  int Margin = 0;
  int Tile = 0;
};
PopGridGeometry PopGridGeometryFor(int monitorHeight);
// The grid picture: (3N + 2K + 8) x MH, white, with nine tiles cut from the
// centre of the scaled picture, each coloured by its own tones.
void PopGridLook(FrameBitmap& bitmap, const FilterContext& context, const std::array<PopTones, 9>& tiles);

// "ポップ": the grid form while a slideshow runs without the Increase
// transition, the single form otherwise (and on a monitor too low for tiles).
void PopFilter(FrameBitmap& bitmap, const FilterContext& context);

// The tint and the channel gains of "トイカメラ" for the drawn t (0..6).
struct ToyCameraChoice {
  RgbColor Tint;
  int KeepPercentage = 84;
  float RedGain = 1.0f;
  float GreenGain = 1.0f;
  float BlueGain = 1.0f;
};
ToyCameraChoice ToyCameraChoiceOf(int t);
// The vignette radius for a W x H picture.
int ToyCameraRadius(int width, int height, const FilterContext& context);
// Everything after the draw of t: tint, vignette darkening of value and
// saturation, blur towards the radius, gains, self-overlay, grain (which
// draws from the generator) and the white border.
void ToyCameraLook(FrameBitmap& bitmap, const FilterContext& context, RgbColor vignette, int strength, int t);
// "トイカメラ": a strength outside 0..100 changes nothing; otherwise the
// generator is reseeded, t = Random(1000) mod 7 is drawn and the look follows.
void ToyCameraFilter(FrameBitmap& bitmap, const FilterContext& context, RgbColor vignette, int strength);

// "テレビ": with the ghost on, the average with a copy shifted one pixel to
// the lower right; then every third row (0, 3, 6, ...) gets 1.5 x contrast.
void TelevisionFilter(FrameBitmap& bitmap, bool ghost);

// The draws of "サイケ": three colours of channels 16..143 (red, green,
// blue each) and the direction of the gradient.
struct PsychedelicDraw {
  RgbColor C1, C2, C3;
  bool Vertical = true;
};
PsychedelicDraw DrawPsychedelic();
// The gradient value of line i of a half of n lines from a to b.
int GradientValue(int a, int b, int n, int i);
void PsychedelicLook(FrameBitmap& bitmap, const PsychedelicDraw& draw);
// "サイケ": clarity boost and soft focus, then the self-overlaid picture's
// distance from a random three-colour gradient, brightened by 1.2.
void PsychedelicFilter(FrameBitmap& bitmap);

// "フェイクHDR": overlays with the blurred negative of the brightness, then
// saturation x 1.1 and Sharpen 6.
void FakeHdrFilter(FrameBitmap& bitmap);
