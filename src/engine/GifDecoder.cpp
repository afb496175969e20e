#include <gif_lib.h>

#include <algorithm>
#include <cstring>

#include "engine/ImageDecoders.h"
#include "engine/ImageError.h"

namespace {

struct GifReadState {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t pos;
};

int OnRead(GifFileType* gif, GifByteType* out, int length) {
  auto* s = static_cast<GifReadState*>(gif->UserData);
  const std::size_t n = std::min(static_cast<std::size_t>(std::max(length, 0)), s->size - s->pos);
  std::memcpy(out, s->data + s->pos, n);
  s->pos += n;
  return static_cast<int>(n);
}

struct GifCloser {
  GifFileType* gif;
  ~GifCloser() {
    int error = 0;
    if (gif) DGifCloseFile(gif, &error);
  }
};

[[noreturn]] void Fail(int code) {
  const char* text = GifErrorString(code);
  throw DecodeFailure(QString::fromLatin1(text ? text : "GIF error"));
}

}  // namespace

FrameBitmap DecodeGif(const std::uint8_t* data, std::size_t size, const DecodeOptions& options) {
  GifReadState state{data, size, 0};
  int error = 0;
  GifCloser closer{DGifOpen(&state, OnRead, &error)};
  GifFileType* gif = closer.gif;
  if (!gif) Fail(error);

  int transparent = -1;  // from the graphic control extension before the frame
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &type) == GIF_ERROR) Fail(gif->Error);
    if (type == TERMINATE_RECORD_TYPE) throw DecodeFailure(QStringLiteral("GIF file holds no image"));
    if (type == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* ext = nullptr;
      if (DGifGetExtension(gif, &code, &ext) == GIF_ERROR) Fail(gif->Error);
      if (code == GRAPHICS_EXT_FUNC_CODE && ext && ext[0] >= 4) transparent = (ext[1] & 1) ? ext[4] : -1;
      while (ext) {
        if (DGifGetExtensionNext(gif, &ext) == GIF_ERROR) Fail(gif->Error);
      }
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE) continue;
    if (DGifGetImageDesc(gif) == GIF_ERROR) Fail(gif->Error);
    break;
  }

  const GifImageDesc& frame = gif->Image;
  CheckDecodeSize(frame.Width, frame.Height, options);
  int canvasW = gif->SWidth, canvasH = gif->SHeight;
  if (canvasW <= 0 || canvasH <= 0) {
    canvasW = frame.Width;
    canvasH = frame.Height;
  }
  CheckDecodeSize(canvasW, canvasH, options);
  const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  if (!map || !map->Colors) throw DecodeFailure(QStringLiteral("GIF file has no colour table"));

  FrameBitmap bitmap(canvasW, canvasH);
  bitmap.Fill(options.Matte);
  std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
  static constexpr int kPassStart[4] = {0, 4, 2, 1};
  static constexpr int kPassStep[4] = {8, 8, 4, 2};
  const int passes = frame.Interlace ? 4 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    const int start = frame.Interlace ? kPassStart[pass] : 0;
    const int step = frame.Interlace ? kPassStep[pass] : 1;
    for (int row = start; row < frame.Height; row += step) {
      if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) Fail(gif->Error);
      const int y = frame.Top + row;
      if (y < 0 || y >= canvasH) continue;
      for (int col = 0; col < frame.Width; ++col) {
        const int x = frame.Left + col;
        const int index = line[static_cast<std::size_t>(col)];
        if (x < 0 || x >= canvasW || index == transparent || index >= map->ColorCount) continue;
        const GifColorType& c = map->Colors[index];
        std::uint8_t* p = bitmap.At(x, y);
        p[0] = c.Blue;
        p[1] = c.Green;
        p[2] = c.Red;
      }
    }
  }
  return bitmap;
}
