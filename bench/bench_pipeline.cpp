// The picture pipeline on camera-sized photos: JPEG decoding, area
// reduction and the whole preparation of one slide on a 1920 x 1080 monitor.
// The photos are made in the set-up with libjpeg; when BRINMORA_BENCH_DIR is
// set they are written there (so a script can time other tools on them).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "display/ExifInfo.h"
#include "engine/DecodeImageFile.h"
#include "engine/FittedImage.h"
#include "engine/ReadOrientation.h"
#include "engine/Resample.h"

namespace {

// A photo-like picture: smooth gradients with fine texture, quality 90, 4:2:0.
QByteArray EncodePhoto(int width, int height) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&cinfo, &out, &outSize);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 3);
  unsigned seed = 1;
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < width; ++x) {
      seed = seed * 1103515245u + 12345u;
      const int noise = static_cast<int>((seed >> 16) & 31) - 16;
      row[x * 3 + 0] = static_cast<std::uint8_t>(std::clamp(x * 255 / width + noise, 0, 255));
      row[x * 3 + 1] = static_cast<std::uint8_t>(std::clamp(y * 255 / height + noise, 0, 255));
      row[x * 3 + 2] = static_cast<std::uint8_t>(std::clamp(((x / 40 + y / 40) % 2) * 120 + 60 + noise, 0, 255));
    }
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&cinfo, &p, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(outSize));
  std::free(out);
  return bytes;
}

struct Photos {
  QTemporaryDir temp;
  QString folder;
  QString photo12, photo24;
  FrameBitmap decoded12, decoded24;

  Photos() {
    const char* dir = std::getenv("BRINMORA_BENCH_DIR");
    folder = dir && *dir ? QString::fromLocal8Bit(dir) : temp.path();
    QDir().mkpath(folder);
    photo12 = Write("photo12mp.jpg", EncodePhoto(4000, 3000));
    photo24 = Write("photo24mp.jpg", EncodePhoto(6000, 4000));
    decoded12 = DecodeImageFile(photo12);
    decoded24 = DecodeImageFile(photo24);
  }
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = folder + "/" + name;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return path;
  }
};

Photos& ThePhotos() {
  static Photos photos;
  return photos;
}

void BM_DecodeJpeg12MP(benchmark::State& state) {
  const QString path = ThePhotos().photo12;
  for (auto _ : state) benchmark::DoNotOptimize(DecodeImageFile(path));
}

void BM_DecodeJpeg24MP(benchmark::State& state) {
  const QString path = ThePhotos().photo24;
  for (auto _ : state) benchmark::DoNotOptimize(DecodeImageFile(path));
}

void BM_ResampleArea_4000x3000_to_1439x1080(benchmark::State& state) {
  const FrameBitmap& source = ThePhotos().decoded12;
  for (auto _ : state) benchmark::DoNotOptimize(ResampleArea(source, 1439, 1080));
}

void BM_ResampleArea_6000x4000_to_1620x1080(benchmark::State& state) {
  const FrameBitmap& source = ThePhotos().decoded24;
  for (auto _ : state) benchmark::DoNotOptimize(ResampleArea(source, 1620, 1080));
}

// Decode, orient, fit and compose, as ShowWithoutTransition does.
void BM_WholeSlide24MP_1920x1080(benchmark::State& state) {
  const QString path = ThePhotos().photo24;
  TExifInfo exif;
  exif.OnError = [](int) { return false; };
  const ScreenLayout layout{1920, 1080, 0, 0};
  FrameBitmap screen;
  for (auto _ : state) {
    DecodeOptions options;
    options.Matte = layout.Background;
    const FrameBitmap decoded = DecodeImageFile(path, options);
    const int orientation = ReadOrientation(exif, path);
    FilterContext context;
    FrameBitmap fitted = PrepareSlide(decoded, orientation, layout, context);
    ComposeScreen(screen, fitted, layout, context);
    benchmark::DoNotOptimize(screen.Pixels.data());
  }
}

#define PIPELINE_BENCHMARK(fn) BENCHMARK(fn)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true)->MinTime(0.5)
PIPELINE_BENCHMARK(BM_DecodeJpeg12MP);
PIPELINE_BENCHMARK(BM_DecodeJpeg24MP);
PIPELINE_BENCHMARK(BM_ResampleArea_4000x3000_to_1439x1080);
PIPELINE_BENCHMARK(BM_ResampleArea_6000x4000_to_1620x1080);
PIPELINE_BENCHMARK(BM_WholeSlide24MP_1920x1080);

}  // namespace

BENCHMARK_MAIN();
