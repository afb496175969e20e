#include "filters/FilterTables.h"

#include <cmath>

namespace {

constexpr std::array<int, 12> kTabulatedSigmas = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30};

struct FilterTables {
  std::array<double, 256> toneRamp{};
  std::array<std::uint8_t, 256> selfSoftLight{};
  BlendTable multiply{};
  BlendTable screen{};
  BlendTable overlay{};
  BlendTable softLight{};
  BlendTable exclusion{};  // not one of the four named tables; saves the formula per pixel
  std::array<GaussianKernel, kTabulatedSigmas.size()> kernels;
};

void FillBlendTable(BlendTable& table, BlendMode mode) {
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b) table[static_cast<std::size_t>(a) * 256 + b] = ComputeBlendChannel(a, b, mode);
}

FilterTables* MakeTables() {
  auto* t = new FilterTables;
  for (int i = 0; i < 256; ++i) {
    t->toneRamp[i] = (255 - i) * ((1.6 - 0.4) / 255) + 0.4;
    t->selfSoftLight[i] = ComputeBlendChannel(i, i, BlendMode::SoftLight);
  }
  FillBlendTable(t->multiply, BlendMode::Multiply);
  FillBlendTable(t->screen, BlendMode::Screen);
  FillBlendTable(t->overlay, BlendMode::Overlay);
  FillBlendTable(t->softLight, BlendMode::SoftLight);
  FillBlendTable(t->exclusion, BlendMode::Exclusion);
  for (std::size_t i = 0; i < kTabulatedSigmas.size(); ++i) t->kernels[i] = MakeGaussianKernel(kTabulatedSigmas[i], true);
  return t;
}

// Built on first use (thread-safe static initialisation) and kept until exit.
const FilterTables& Tables() {
  static const FilterTables* tables = MakeTables();
  return *tables;
}

}  // namespace

GaussianKernel MakeGaussianKernel(int sigma, bool withPremultiplied) {
  GaussianKernel kernel;
  kernel.Sigma = sigma;
  kernel.Length = 3 * sigma + 1;
  kernel.Weights.resize(kernel.Length);
  const double twoSigmaSquared = 2.0 * sigma * sigma;
  for (int k = 0; k < kernel.Length; ++k)
    kernel.Weights[k] = static_cast<float>(std::exp(-(static_cast<double>(k) * k) / twoSigmaSquared));
  if (withPremultiplied) {
    kernel.Premultiplied.resize(static_cast<std::size_t>(256) * kernel.Length);
    for (int v = 0; v < 256; ++v)
      for (int k = 0; k < kernel.Length; ++k)
        kernel.Premultiplied[static_cast<std::size_t>(v) * kernel.Length + k] = static_cast<float>(v) * kernel.Weights[k];
  }
  return kernel;
}

void BuildFilterTables() { (void)Tables(); }

const std::array<double, 256>& ToneRamp() { return Tables().toneRamp; }

const std::array<std::uint8_t, 256>& SelfSoftLight() { return Tables().selfSoftLight; }

const BlendTable* BlendTableFor(BlendMode mode) {
  switch (mode) {
    case BlendMode::Multiply: return &Tables().multiply;
    case BlendMode::Screen: return &Tables().screen;
    case BlendMode::Overlay: return &Tables().overlay;
    case BlendMode::SoftLight: return &Tables().softLight;
    case BlendMode::Exclusion: return &Tables().exclusion;
    case BlendMode::Normal: break;
  }
  return nullptr;
}

const GaussianKernel* TabulatedGaussianKernel(int sigma) {
  for (std::size_t i = 0; i < kTabulatedSigmas.size(); ++i)
    if (kTabulatedSigmas[i] == sigma) return &Tables().kernels[i];
  return nullptr;
}
