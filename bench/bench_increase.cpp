// Speed of the photo pile and of the artwork card on a 1920 x 1080 screen,
// one core.
//
// BM_AddPhoto: one photo of a 4000 x 3000 picture (already decoded) laid on
// a pile of 20 (tilted, white border, the previous photo refiltered grey):
// "prep_ms" is the work before the cross-fade starts (print, tilt, filter,
// compose), "fade_frame_ms" the median cross-fade frame, "memcpy_frame_ms"
// the floor of a frame (one memcpy of the screen).
// BM_Pile200: 200 photos; "rss_growth_mb" is how much the peak resident
// memory grew between the 20th and the 200th photo.
// BM_ArtFlipFrame: one frame of the artwork card turning, 200 pixels high.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <ctime>
#include <vector>

#include "display/DisplaySurface.h"
#include "display/ExifInfo.h"
#include "engine/ImageShow.h"
#include "engine/IncreasePile.h"
#include "filters/FilterTables.h"
#include "music/ArtFlip.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/UserDialogs.h"

namespace {
constexpr int kW = 1920, kH = 1080;

double ThreadNs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

class TimingSurface final : public DisplaySurface {
 public:
  void Start() {
    last_ = ThreadNs();
    frameNs.clear();
  }
  void PresentFrame(const FrameBitmap&) override {
    const double now = ThreadNs();
    frameNs.push_back(now - last_);
    last_ = now;
  }
  std::vector<double> frameNs;

 private:
  double last_ = 0;
};

class NoSleep final : public Clock {
 public:
  void Sleep(int) override {}
  std::int64_t MonotonicMs() override { return 0; }
  QDateTime Now() override { return {}; }
};

class NoDialogs final : public UserDialogs {
 public:
  void ShowInformation(const QString&) override {}
  void ShowError(const QString&) override {}
  bool AskYesNo(const QString&) override { return false; }
  void ProcessPendingMessages() override {}
};

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
  return v[v.size() / 2];
}

double PeakRssMb() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_maxrss) / 1024.0;
}

// A show with one 4000 x 3000 camera-sized picture decoded and a pile rig.
struct PileRig {
  PileRig() : show(surface, dialogs, clock, exif), pile(surface, clock, dialogs) {
    BuildFilterTables();
    exif.OnError = [](int) { return false; };
    QImage img(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
      for (int x = 0; x < img.width(); ++x) row[x] = qRgb(x * 255 / 4000, y * 255 / 3000, (x ^ y) & 255);
    }
    path = dir.filePath("photo.png");
    img.save(path);
    list << path;
    show.Settings = ImageShowSettings{kW, kH, 0, 0, 9, 1, true};
    show.Position = [this] { return ImageShowPosition{&list, 0, 0, false}; };
    show.ShowWithIncrease = [this](ImageShow& s) { pile.ShowWithIncrease(s, settings); };
    SeedRandom(3);
    show.ShowCurrentImage();  // decodes once; the first photo of the pile
  }
  void Add() { pile.ShowWithIncrease(show, settings); }

  QTemporaryDir dir;
  QString path;
  QStringList list;
  TimingSurface surface;
  NoDialogs dialogs;
  NoSleep clock;
  TExifInfo exif;
  ImageShow show;
  IncreasePile pile;
  IncreaseSettings settings{456, 1, true, 1};
};

void BM_AddPhoto(benchmark::State& state) {
  PileRig rig;
  for (int i = 1; i < 20; ++i) rig.Add();
  std::vector<double> prep, fade;
  for (auto _ : state) {
    rig.surface.Start();
    rig.Add();
    const std::vector<double>& f = rig.surface.frameNs;
    prep.push_back(f.front());
    fade.insert(fade.end(), f.begin() + 1, f.end() - 1);
  }
  // The floor: one memcpy of the whole screen.
  FrameBitmap a(kW, kH), b(kW, kH);
  std::vector<double> copy;
  for (int i = 0; i < 33; ++i) {
    const double t = ThreadNs();
    std::memcpy(a.Pixels.data(), b.Pixels.data(), a.Pixels.size());
    benchmark::DoNotOptimize(a.Pixels.data());
    copy.push_back(ThreadNs() - t);
  }
  state.counters["prep_ms"] = Median(prep) / 1e6;
  state.counters["fade_frame_ms"] = Median(fade) / 1e6;
  state.counters["memcpy_frame_ms"] = Median(copy) / 1e6;
}
BENCHMARK(BM_AddPhoto)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_Pile200(benchmark::State& state) {
  for (auto _ : state) {
    PileRig rig;
    double at20 = 0;
    for (int i = 1; i < 200; ++i) {
      rig.Add();
      if (i == 19) at20 = PeakRssMb();
    }
    state.counters["rss_growth_mb"] = PeakRssMb() - at20;
  }
}
BENCHMARK(BM_Pile200)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ArtFlipFrame(benchmark::State& state) {
  FrameBitmap card(267, 200), background(267, 200), art(267, 200);
  for (std::size_t i = 0; i < card.Pixels.size(); ++i) card.Pixels[i] = static_cast<std::uint8_t>(i * 7);
  background.Fill(0x203040);
  ScaleScratch scratch(card.Width);
  int k = 0;
  for (auto _ : state) {
    ArtFlipFrame(art, background, card, k % 16, (k / 16) % 2 == 0, scratch);
    benchmark::DoNotOptimize(art.Pixels.data());
    ++k;
  }
}
BENCHMARK(BM_ArtFlipFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
