#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>
#include <optional>

#include "engine/ImageDecoders.h"
#include "engine/ImageError.h"

namespace {

// A hostile progressive file can hold thousands of tiny scans, each of which
// costs a pass over the whole coefficient buffer; real files have a few dozen.
constexpr int kMaxProgressiveScans = 1000;

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  // Set by the first warning that the entropy data ended early or was
  // damaged; the decoding stops at its next step with that warning's text.
  bool damaged;
  char damage[JMSG_LENGTH_MAX];
};

[[noreturn]] void Fail(j_common_ptr cinfo, const char* text) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  std::snprintf(err->message, sizeof err->message, "%s", text);
  std::longjmp(err->jump, 1);
}

[[noreturn]] void OnFatalError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// True for the warnings that mean the compressed picture data ran out or is
// corrupt: libjpeg goes on with grey blocks, which would show a damaged file
// as a mostly grey picture. Warnings about odd but intact data are ignored.
bool MeansDamagedData(int code) {
  switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_MUST_RESYNC:
    case JWRN_HUFF_BAD_CODE:
#ifdef D_ARITH_CODING_SUPPORTED
    case JWRN_ARITH_BAD_CODE:
#endif
      return true;
    default:
      return false;
  }
}

// A damaged or truncated file is an error, not part of a picture.
void OnMessage(j_common_ptr cinfo, int level) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  if (level < 0 && !err->damaged && MeansDamagedData(cinfo->err->msg_code)) {
    (*cinfo->err->format_message)(cinfo, err->damage);
    err->damaged = true;
  }
}

void OnProgress(j_common_ptr cinfo) {
  auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  if (err->damaged) Fail(cinfo, err->damage);
  if (d->input_scan_number > kMaxProgressiveScans) Fail(cinfo, "Too many scans in progressive JPEG file");
}

// Huffman coding spends at least one bit on every 8 x 8 block of every
// component, so a file smaller than that cannot hold the picture its frame
// header claims. Checked before the picture memory is allocated, this
// refuses a lying header at once instead of decoding grey for seconds.
// (Arithmetic coding has no such floor.)
bool TooSmallForItsFrame(const jpeg_decompress_struct& cinfo, std::size_t size) {
  if (cinfo.arith_code) return false;
  std::uint64_t blocks = 0;
  for (int c = 0; c < cinfo.num_components; ++c)
    blocks += std::uint64_t{cinfo.comp_info[c].width_in_blocks} * cinfo.comp_info[c].height_in_blocks;
  return std::uint64_t{size} * 8 < blocks;
}

// Adobe files store CMYK inverted (0 = full ink); others store it plainly.
void CmykRowToBgr(const std::uint8_t* cmyk, std::uint8_t* bgr, int width, bool inverted) {
  for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) { c = 255 - c; m = 255 - m; y = 255 - y; k = 255 - k; }
    bgr[0] = static_cast<std::uint8_t>((y * k + 127) / 255);
    bgr[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
    bgr[2] = static_cast<std::uint8_t>((c * k + 127) / 255);
  }
}

// What the decoding keeps across a longjmp: owned by the caller's frame.
struct JpegJob {
  FrameBitmap bitmap;
  std::vector<std::uint8_t> cmykRow;
  std::optional<DecodeFailure> sizeRefusal;
};

// Runs libjpeg; returns false when it failed (message in err). Only plain
// data lives in this frame, so the longjmp back to it skips no destructor.
bool RunDecode(jpeg_decompress_struct& cinfo, ErrorManager& err, JpegJob& job,
               const std::uint8_t* data, std::size_t size, const DecodeOptions& options) {
  if (setjmp(err.jump)) return false;
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  OnProgress(reinterpret_cast<j_common_ptr>(&cinfo));
  try {
    CheckDecodeSize(cinfo.image_width, cinfo.image_height, options);
  } catch (const DecodeFailure& refusal) {
    job.sizeRefusal = refusal;
    return false;
  }
  if (TooSmallForItsFrame(cinfo, size)) Fail(reinterpret_cast<j_common_ptr>(&cinfo), "Premature end of JPEG file");
  // libjpeg's own working memory (a progressive file keeps every coefficient).
  cinfo.mem->max_memory_to_use = static_cast<long>(options.MaxPixels) * 8;
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
  jpeg_start_decompress(&cinfo);
  if (cinfo.output_components != (cmyk ? 4 : 3)) Fail(reinterpret_cast<j_common_ptr>(&cinfo), "Unsupported JPEG colour space");
  job.bitmap.SetSize(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
  if (cmyk) job.cmykRow.resize(static_cast<std::size_t>(cinfo.output_width) * 4);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    JSAMPROW row = cmyk ? job.cmykRow.data() : job.bitmap.Row(y);
    jpeg_read_scanlines(&cinfo, &row, 1);
    if (cmyk) CmykRowToBgr(job.cmykRow.data(), job.bitmap.Row(y), job.bitmap.Width, cinfo.saw_Adobe_marker);
    OnProgress(reinterpret_cast<j_common_ptr>(&cinfo));
  }
  jpeg_finish_decompress(&cinfo);
  OnProgress(reinterpret_cast<j_common_ptr>(&cinfo));
  return true;
}

}  // namespace

FrameBitmap DecodeJpeg(const std::uint8_t* data, std::size_t size, const DecodeOptions& options) {
  if (size == 0) throw DecodeFailure(QStringLiteral("Empty input file"));
  jpeg_decompress_struct cinfo{};
  ErrorManager err{};
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnFatalError;
  err.pub.emit_message = OnMessage;
  jpeg_progress_mgr progress{};
  progress.progress_monitor = OnProgress;
  jpeg_create_decompress(&cinfo);
  cinfo.progress = &progress;

  JpegJob job;
  const bool ok = RunDecode(cinfo, err, job, data, size, options);
  jpeg_destroy_decompress(&cinfo);
  if (job.sizeRefusal) throw *job.sizeRefusal;
  if (!ok) throw DecodeFailure(QString::fromLocal8Bit(err.message));
  return std::move(job.bitmap);
}
