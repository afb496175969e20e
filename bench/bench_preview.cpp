// The main window's preview of one camera photo: decoding a 24-megapixel
// JPEG, fitting it into 200 x 150, sharpening and filtering, per filter of
// the catalogue (the decode dominates; the filters work on the small picture).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>

#include "engine/PreviewPicture.h"
#include "filters/FilterKind.h"
#include "filters/FilterTables.h"

namespace {

// A 6000 x 4000 photo-like JPEG (gradients with fine texture), written once.
const QString& CameraPhoto() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString file = dir.filePath(QStringLiteral("camera.jpg"));
    QImage image(6000, 4000, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x)
        row[x] = qRgb((x / 24 + (x * y) % 7) & 0xFF, (y / 16 + x % 5) & 0xFF, ((x + y) / 40) & 0xFF);
    }
    image.save(file, "JPEG", 90);
    return file;
  }();
  return path;
}

void BM_RefreshPreview(benchmark::State& state) {
  BuildFilterTables();
  const int filter = static_cast<int>(state.range(0));
  const QString& file = CameraPhoto();
  for (auto _ : state) {
    FrameBitmap picture = DecodePreviewPicture(file, filter, 0);
    benchmark::DoNotOptimize(picture.Pixels.data());
  }
  state.SetLabel(kFilterNames[static_cast<std::size_t>(filter)]);
}
BENCHMARK(BM_RefreshPreview)->DenseRange(0, kFilterCount - 1)->Unit(benchmark::kMillisecond)->MinTime(0.5);

}  // namespace

BENCHMARK_MAIN();
