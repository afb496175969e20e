#pragma once
// Lookup tables built once for the life of the process and shared by the
// filters. BuildFilterTables builds them at start-up; every accessor also
// builds them on first use, so a filter is safe to call before that.
#include <array>
#include <cstdint>
#include <vector>

#include "filters/BlendMode.h"

// One Gaussian weight row: Weights[k] = exp(-k^2 / (2 sigma^2)) as a float
// for k = 0 .. 3 sigma, and the premultiplied rows Premultiplied[v * Length
// + k] = v * Weights[k] (float) for every byte value v.
struct GaussianKernel {
  int Sigma = 0;
  int Length = 0;  // 3 sigma + 1
  std::vector<float> Weights;
  std::vector<float> Premultiplied;  // 256 rows of Length
};

// The weight row of sigma by the formula above (used for sigma without a
// table).
GaussianKernel MakeGaussianKernel(int sigma, bool withPremultiplied);

using BlendTable = std::array<std::uint8_t, 256 * 256>;  // [base * 256 + top]

// Builds every table now (idempotent).
void BuildFilterTables();

// 1.6 at 0 falling linearly to 0.4 at 255.
const std::array<double, 256>& ToneRamp();
// SelfSoftLight[i] = BlendChannel(i, i, SoftLight).
const std::array<std::uint8_t, 256>& SelfSoftLight();
// The table of Multiply, Screen, Overlay, SoftLight or Exclusion; nullptr
// for Normal.
const BlendTable* BlendTableFor(BlendMode mode);
// The tabulated kernel of sigma 1..10, 20 or 30; nullptr for any other.
const GaussianKernel* TabulatedGaussianKernel(int sigma);
