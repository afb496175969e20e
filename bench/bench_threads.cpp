// How the pixel loops scale over the cores: fit + filter of a 12-megapixel
// photo to a 1440 x 1080 screen picture, each filter alone at 1440 x 1080,
// each on 1 thread and on as
// many as the machine has (the second argument). Run with
// --benchmark_filter to pick one family; compare the real times.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <thread>

#include "bitmap/ParallelRows.h"
#include "engine/FittedImage.h"
#include "engine/Resample.h"
#include "filters/ApplyFilter.h"
#include "filters/FilterTables.h"
#include "platform/Random.h"

namespace {

// Smooth gradients with grain, like a photo after decoding.
FrameBitmap Photo(int w, int h) {
  FrameBitmap b(w, h);
  std::uint32_t state = 99;
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = b.Row(y);
    for (int x = 0; x < w; ++x) {
      state = state * 1664525u + 1013904223u;
      const int grain = static_cast<int>(state >> 28) - 8;
      row[x * 3] = static_cast<std::uint8_t>(std::clamp(x * 255 / w + grain, 0, 255));
      row[x * 3 + 1] = static_cast<std::uint8_t>(std::clamp(y * 255 / h + grain, 0, 255));
      row[x * 3 + 2] = static_cast<std::uint8_t>(std::clamp(((x / 40 + y / 40) % 2) * 120 + 60 + grain, 0, 255));
    }
  }
  return b;
}

const FrameBitmap& Photo12() {
  static const FrameBitmap p = Photo(4000, 3000);
  return p;
}

const FrameBitmap& Screen1440() {
  static const FrameBitmap p = ResampleArea(Photo12(), 1440, 1080);
  return p;
}

void FitAndFilter(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  SetRowThreads(static_cast<int>(state.range(1)));
  BuildFilterTables();
  const ScreenLayout layout{1920, 1080, 0, kind};
  for (auto _ : state) {
    SeedRandom(1);
    FilterContext context;
    FrameBitmap fitted = PrepareSlide(Photo12(), 0, layout, context);
    ApplyFilter(kind, fitted, context);
    benchmark::DoNotOptimize(fitted.Pixels.data());
  }
  SetRowThreads(0);
}

void FilterOnly(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  SetRowThreads(static_cast<int>(state.range(1)));
  BuildFilterTables();
  FilterContext context;
  context.FrameMargin = 27;
  FrameBitmap work;
  for (auto _ : state) {
    state.PauseTiming();
    work.Assign(Screen1440());
    SeedRandom(1);
    state.ResumeTiming();
    ApplyFilter(kind, work, context);
    benchmark::DoNotOptimize(work.Pixels.data());
  }
  SetRowThreads(0);
}

void Arguments(benchmark::internal::Benchmark* b) {
  const int cores = static_cast<int>(std::max(2u, std::thread::hardware_concurrency()));
  for (int kind = 0; kind <= 21; ++kind)
    for (int threads : {1, cores}) b->Args({kind, threads});
}

}  // namespace

BENCHMARK(FitAndFilter)->ArgNames({"kind", "threads"})->Apply(Arguments)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.3);
BENCHMARK(FilterOnly)->ArgNames({"kind", "threads"})->Apply(Arguments)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.3);

BENCHMARK_MAIN();
