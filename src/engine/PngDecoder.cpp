#include <png.h>

#include <cstdio>
#include <cstring>
#include <optional>

#include "engine/ImageDecoders.h"
#include "engine/ImageError.h"

namespace {

struct PngReadState {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t pos;
  char message[256];
};

void OnRead(png_structp png, png_bytep out, png_size_t length) {
  auto* s = static_cast<PngReadState*>(png_get_io_ptr(png));
  if (length > s->size - s->pos) png_error(png, "Premature end of PNG file");
  std::memcpy(out, s->data + s->pos, length);
  s->pos += length;
}

[[noreturn]] void OnError(png_structp png, png_const_charp text) {
  auto* s = static_cast<PngReadState*>(png_get_error_ptr(png));
  std::snprintf(s->message, sizeof s->message, "%s", text ? text : "PNG error");
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void ComposeRow(const std::uint8_t* bgra, std::uint8_t* bgr, int width, ColorRef matte) {
  const int mb = BlueOf(matte), mg = GreenOf(matte), mr = RedOf(matte);
  for (int x = 0; x < width; ++x, bgra += 4, bgr += 3) {
    const int a = bgra[3];
    bgr[0] = ComposeOver(bgra[0], a, mb);
    bgr[1] = ComposeOver(bgra[1], a, mg);
    bgr[2] = ComposeOver(bgra[2], a, mr);
  }
}

// What the decoding keeps across a longjmp: owned by the caller's frame.
struct PngJob {
  FrameBitmap bitmap;
  std::vector<std::uint8_t> alphaPixels;  // one row, or every row of an interlaced file
  std::vector<png_bytep> rows;
  std::optional<DecodeFailure> sizeRefusal;
};

bool RunDecode(png_structp png, png_infop info, PngJob& job, const DecodeOptions& options) {
  if (setjmp(png_jmpbuf(png))) return false;
  // Metadata chunks are skipped unread: a hostile length there would
  // otherwise be allocated before the read fails. The limit guards the rest.
  static const png_byte kSkipped[] = "tEXt\0zTXt\0iTXt\0iCCP\0eXIf\0sPLT\0tIME\0pCAL\0sCAL\0hIST\0";
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kSkipped, static_cast<int>(sizeof kSkipped / 5));
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
  png_set_chunk_malloc_max(png, 16u << 20);
  png_read_info(png, info);
  png_uint_32 width = 0, height = 0;
  int depth = 0, colorType = 0, interlace = 0;
  png_get_IHDR(png, info, &width, &height, &depth, &colorType, &interlace, nullptr, nullptr);
  try {
    CheckDecodeSize(width, height, options);
  } catch (const DecodeFailure& refusal) {
    job.sizeRefusal = refusal;
    return false;
  }
  if (depth == 16) png_set_scale_16(png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  png_set_bgr(png);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const int channels = png_get_channels(png, info);
  if (png_get_bit_depth(png, info) != 8 || (channels != 3 && channels != 4)) png_error(png, "Unsupported PNG format");

  job.bitmap.SetSize(static_cast<int>(width), static_cast<int>(height));
  const int w = job.bitmap.Width, h = job.bitmap.Height;
  if (channels == 3) {
    job.rows.resize(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) job.rows[static_cast<std::size_t>(y)] = job.bitmap.Row(y);
    png_read_image(png, job.rows.data());
  } else if (passes == 1) {
    job.alphaPixels.resize(static_cast<std::size_t>(w) * 4);
    for (int y = 0; y < h; ++y) {
      png_read_row(png, job.alphaPixels.data(), nullptr);
      ComposeRow(job.alphaPixels.data(), job.bitmap.Row(y), w, options.Matte);
    }
  } else {
    // Later passes fill in earlier rows, so every row is kept until the end.
    const std::size_t rowBytes = static_cast<std::size_t>(w) * 4;
    job.alphaPixels.resize(rowBytes * static_cast<std::size_t>(h));
    job.rows.resize(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) job.rows[static_cast<std::size_t>(y)] = job.alphaPixels.data() + rowBytes * static_cast<std::size_t>(y);
    png_read_image(png, job.rows.data());
    for (int y = 0; y < h; ++y)
      ComposeRow(job.rows[static_cast<std::size_t>(y)], job.bitmap.Row(y), w, options.Matte);
  }
  return true;
}

}  // namespace

FrameBitmap DecodePng(const std::uint8_t* data, std::size_t size, const DecodeOptions& options) {
  if (size < 8 || png_sig_cmp(data, 0, 8) != 0) throw DecodeFailure(QStringLiteral("Not a PNG file"));
  PngReadState state{data, size, 0, {}};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
  if (!png) throw DecodeFailure(QStringLiteral("Out of memory"));
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    throw DecodeFailure(QStringLiteral("Out of memory"));
  }
  png_set_read_fn(png, &state, OnRead);

  PngJob job;
  const bool ok = RunDecode(png, info, job, options);
  png_destroy_read_struct(&png, &info, nullptr);
  if (job.sizeRefusal) throw *job.sizeRefusal;
  if (!ok) throw DecodeFailure(QString::fromLocal8Bit(state.message));
  return std::move(job.bitmap);
}
