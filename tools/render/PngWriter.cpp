#include "PngWriter.h"

#include <png.h>

#include <QFile>
#include <QSaveFile>
#include <csetjmp>
#include <cstdio>

namespace {

struct WriteState {
  QSaveFile* file;
  bool failed;
  char message[256];
};

void OnWrite(png_structp png, png_bytep data, png_size_t length) {
  auto* s = static_cast<WriteState*>(png_get_io_ptr(png));
  if (s->file->write(reinterpret_cast<const char*>(data), static_cast<qint64>(length)) != static_cast<qint64>(length))
    png_error(png, "write failed");
}
void OnFlush(png_structp) {}
[[noreturn]] void OnError(png_structp png, png_const_charp text) {
  auto* s = static_cast<WriteState*>(png_get_error_ptr(png));
  std::snprintf(s->message, sizeof s->message, "%s", text ? text : "PNG error");
  png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

bool RunWrite(png_structp png, png_infop info, const FrameBitmap& bitmap) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.Width), static_cast<png_uint_32>(bitmap.Height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 6);
  png_write_info(png, info);
  png_set_bgr(png);
  for (int y = 0; y < bitmap.Height; ++y) png_write_row(png, const_cast<png_bytep>(bitmap.Row(y)));
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool WritePng(const FrameBitmap& bitmap, const QString& path, QString& error) {
  if (bitmap.Empty()) {
    error = QStringLiteral("empty picture");
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = file.errorString();
    return false;
  }
  WriteState state{&file, false, {}};
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, nullptr);
    error = QStringLiteral("out of memory");
    return false;
  }
  png_set_write_fn(png, &state, OnWrite, OnFlush);
  const bool ok = RunWrite(png, info, bitmap);
  png_destroy_write_struct(&png, &info);
  if (!ok) {
    file.cancelWriting();
    error = QString::fromLocal8Bit(state.message);
    return false;
  }
  if (!file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}
