// Filter timings on a screen-sized picture (1440 x 1080, one thread).
// BRINMORA_BENCH_PICTURE may name a binary PPM (P6) of any size to use
// instead of the built-in picture; scripts/bench-filters.sh passes the same
// picture to ImageMagick for comparison.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bitmap/FrameBitmap.h"
#include "filters/ApplyFilter.h"
#include "filters/Convolutions.h"
#include "filters/FilterTables.h"
#include "filters/GaussianBlur.h"
#include "filters/HsvOperations.h"
#include "filters/Luma.h"
#include "filters/QuadrantSmooth.h"
#include "filters/Sharpen.h"
#include "platform/Random.h"

namespace {

bool ReadPpm(const char* path, FrameBitmap& out) {
  FILE* f = std::fopen(path, "rb");
  if (!f) return false;
  int w = 0, h = 0, maxValue = 0;
  const bool ok = std::fscanf(f, "P6 %d %d %d", &w, &h, &maxValue) == 3 && maxValue == 255 && w > 0 && h > 0 &&
                  std::fgetc(f) != EOF;
  if (ok) {
    out.SetSize(w, h);
    for (int y = 0; y < h; ++y) {
      std::uint8_t* row = out.Row(y);
      if (std::fread(row, 1, out.RowBytes(), f) != out.RowBytes()) break;
      for (int x = 0; x < w; ++x) std::swap(row[x * 3], row[x * 3 + 2]);  // RGB -> BGR
    }
  }
  std::fclose(f);
  return ok;
}

// Smooth shading, edges and fine texture, roughly like a photo.
FrameBitmap MakePicture() {
  FrameBitmap b(1440, 1080);
  std::uint32_t state = 12345;
  for (int y = 0; y < b.Height; ++y) {
    std::uint8_t* row = b.Row(y);
    for (int x = 0; x < b.Width; ++x) {
      state = state * 1664525u + 1013904223u;
      const int grain = static_cast<int>(state >> 28) - 8;
      const double u = x / 1440.0, v = y / 1080.0;
      const bool inDisc = (u - 0.6) * (u - 0.6) + (v - 0.45) * (v - 0.45) < 0.05;
      auto clamp = [](double c) { return static_cast<std::uint8_t>(c < 0 ? 0 : (c > 255 ? 255 : c)); };
      row[x * 3 + 2] = clamp((inDisc ? 210 : 90 + 100 * u) + 20 * std::sin(x * 0.05) + grain);
      row[x * 3 + 1] = clamp((inDisc ? 80 : 120 + 80 * v) + 15 * std::sin(y * 0.07) + grain);
      row[x * 3 + 0] = clamp((inDisc ? 60 : 200 - 120 * v) + grain);
    }
  }
  return b;
}

const FrameBitmap& Picture() {
  static const FrameBitmap picture = [] {
    FrameBitmap p;
    const char* path = std::getenv("BRINMORA_BENCH_PICTURE");
    if (path && ReadPpm(path, p)) return p;
    return MakePicture();
  }();
  return picture;
}

template <typename Operation>
void Run(benchmark::State& state, Operation op) {
  BuildFilterTables();
  SeedRandom(1);
  FrameBitmap work;
  for (auto _ : state) {
    state.PauseTiming();
    work.Assign(Picture());
    state.ResumeTiming();
    op(work);
    benchmark::DoNotOptimize(work.Pixels.data());
  }
}

void Filter(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  FilterContext context;
  context.FrameMargin = 54;
  Run(state, [&](FrameBitmap& b) { ApplyFilter(kind, b, context); });
}

#define OPERATION(name, body) \
  void name(benchmark::State& state) { Run(state, [](FrameBitmap& b) { body; }); } \
  BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true)

}  // namespace

BENCHMARK(Filter)->ArgName("kind")->DenseRange(1, 21)
    ->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
OPERATION(GaussianBlur8, GaussianBlur(b, 8));
OPERATION(GaussianBlur2, GaussianBlur(b, 2));
OPERATION(OilPaintSmooth3, OilPaintSmooth(b, 3));
OPERATION(QuadrantSmooth3, QuadrantSmooth(b, 3));
OPERATION(Sharpen6, Sharpen(b, 6));
OPERATION(HardSharpen5, HardSharpen(b, 5));
OPERATION(SketchCombine55, SketchCombine(b, 55));
OPERATION(LineArtOp, LineArt(b));
OPERATION(AdjustHsvOp, AdjustHsv(b, 1.0, 0.8));
OPERATION(ToGreyOp, ToGrey(b));

BENCHMARK_MAIN();
