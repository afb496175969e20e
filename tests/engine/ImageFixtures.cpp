#include "ImageFixtures.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>

#include <QFile>

QByteArray MakeJpeg(int width, int height, int colorSpace, const std::vector<std::uint8_t>& samples, int quality) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&cinfo, &out, &outSize);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = colorSpace == JCS_GRAYSCALE ? 1 : colorSpace == JCS_CMYK ? 4 : 3;
  cinfo.in_color_space = static_cast<J_COLOR_SPACE>(colorSpace);
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (colorSpace == JCS_CMYK) {
    jpeg_set_colorspace(&cinfo, JCS_CMYK);
    cinfo.write_Adobe_marker = TRUE;
  }
  // No chroma subsampling: small fixtures keep their exact colours.
  for (int c = 0; c < cinfo.num_components; ++c) {
    cinfo.comp_info[c].h_samp_factor = 1;
    cinfo.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&cinfo, TRUE);
  const std::size_t stride = static_cast<std::size_t>(width) * cinfo.input_components;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(samples.data() + stride * cinfo.next_scanline);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(outSize));
  std::free(out);
  return bytes;
}

namespace {
void AppendPng(png_structp png, png_bytep data, png_size_t length) {
  static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}
int AppendGif(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}
}  // namespace

QByteArray MakePng(const PngFixture& f) {
  QByteArray bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &bytes, AppendPng, nullptr);
  png_set_IHDR(png, info, static_cast<png_uint_32>(f.width), static_cast<png_uint_32>(f.height), f.bitDepth, f.colorType,
               f.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (std::size_t i = 0; i + 2 < f.palette.size(); i += 3) palette.push_back({f.palette[i], f.palette[i + 1], f.palette[i + 2]});
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!f.trns.empty()) png_set_tRNS(png, info, f.trns.data(), static_cast<int>(f.trns.size()), nullptr);
  if (f.withText) {
    png_text text[2] = {};
    text[0].compression = PNG_TEXT_COMPRESSION_NONE;
    text[0].key = const_cast<char*>("Comment");
    text[0].text = const_cast<char*>("a comment");
    text[1].compression = PNG_TEXT_COMPRESSION_zTXt;
    text[1].key = const_cast<char*>("Description");
    text[1].text = const_cast<char*>("compressed text");
    png_set_text(png, info, text, 2);
  }
  png_write_info(png, info);
  const std::size_t rowBytes = f.samples.size() / static_cast<std::size_t>(f.height);
  std::vector<png_bytep> rows;
  for (int y = 0; y < f.height; ++y) rows.push_back(const_cast<png_bytep>(f.samples.data() + rowBytes * y));
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return bytes;
}

QByteArray MakeGif(const GifFixture& f) {
  QByteArray bytes;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, AppendGif, &error);
  int colors = 2;
  while (colors * 3 < static_cast<int>(f.palette.size())) colors *= 2;
  std::vector<GifColorType> table(static_cast<std::size_t>(colors));
  for (std::size_t i = 0; i * 3 + 2 < f.palette.size(); ++i) table[i] = {f.palette[i * 3], f.palette[i * 3 + 1], f.palette[i * 3 + 2]};
  ColorMapObject* map = GifMakeMapObject(colors, table.data());
  EGifSetGifVersion(gif, true);
  EGifPutScreenDesc(gif, f.screenW, f.screenH, 8, 0, map);
  if (f.transparent >= 0) {
    GifByteType gce[4] = {1, 0, 0, static_cast<GifByteType>(f.transparent)};
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, gce);
  }
  EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlaced, nullptr);
  static constexpr int kStart[4] = {0, 4, 2, 1}, kStep[4] = {8, 8, 4, 2};
  std::vector<GifPixelType> line(static_cast<std::size_t>(f.width));
  for (int pass = 0; pass < (f.interlaced ? 4 : 1); ++pass)
    for (int y = f.interlaced ? kStart[pass] : 0; y < f.height; y += f.interlaced ? kStep[pass] : 1) {
      std::memcpy(line.data(), f.indices.data() + static_cast<std::size_t>(y) * f.width, line.size());
      EGifPutLine(gif, line.data(), f.width);
    }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return bytes;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
