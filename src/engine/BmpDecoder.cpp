#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "engine/ImageDecoders.h"
#include "engine/ImageError.h"

namespace {

std::uint32_t LittleEndian(const std::uint8_t* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

// Qt's reader fills the missing rows of a cut-off file with black; a file
// whose uncompressed pixel rows do not all fit in it is refused instead.
bool IsTruncatedUncompressedBmp(const std::uint8_t* data, std::size_t size) {
  if (size < 34) return false;
  if (LittleEndian(data + 14, 4) < 40) return false;  // old OS/2 header: left to Qt
  const std::uint32_t compression = LittleEndian(data + 30, 4);
  if (compression != 0 && compression != 3 && compression != 6) return false;
  const std::int64_t width = static_cast<std::int32_t>(LittleEndian(data + 18, 4));
  const std::int64_t height = static_cast<std::int32_t>(LittleEndian(data + 22, 4));
  const std::int64_t bits = LittleEndian(data + 28, 2);
  const std::int64_t stride = (std::llabs(width) * bits + 31) / 32 * 4;
  const std::int64_t needed = static_cast<std::int64_t>(LittleEndian(data + 10, 4)) + stride * std::llabs(height);
  return needed > static_cast<std::int64_t>(size);
}

// Qt reads the channels of a 16-bit BMP as value << (8 - bits), so a 5-bit
// white comes out as 248. This table maps such a value back to its field
// value and stretches it over 0..255 (v * 255 / max, rounded) as every other
// decoder does; a channel of 8 bits or more, or none, is left alone.
struct ChannelStretch {
  std::uint8_t to[256];
  explicit ChannelStretch(std::uint32_t mask) {
    int bits = 0;
    while (mask && !(mask & 1)) mask >>= 1;
    while (mask & 1) mask >>= 1, ++bits;
    for (int q = 0; q < 256; ++q) {
      if (bits == 0 || bits >= 8) {
        to[q] = static_cast<std::uint8_t>(q);
        continue;
      }
      const int max = (1 << bits) - 1;
      const int v = q >> (8 - bits);
      to[q] = static_cast<std::uint8_t>((v * 255 + max / 2) / max);
    }
  }
};

struct Bmp16Masks {
  std::uint32_t red, green, blue, alpha;
};

// The channel masks of a 16-bit BMP with an info header, or nothing for
// other depths. Without bit fields a 16-bit file is 5-5-5.
std::optional<Bmp16Masks> SixteenBitMasks(const std::uint8_t* data, std::size_t size) {
  if (size < 34) return std::nullopt;
  const std::uint32_t headerSize = LittleEndian(data + 14, 4);
  if (headerSize < 40 || LittleEndian(data + 28, 2) != 16) return std::nullopt;
  const std::uint32_t compression = LittleEndian(data + 30, 4);
  if (compression == 0) return Bmp16Masks{0x7C00, 0x03E0, 0x001F, 0};
  if (compression != 3 && compression != 6) return std::nullopt;
  if (size < 66) return std::nullopt;
  Bmp16Masks m{LittleEndian(data + 54, 4), LittleEndian(data + 58, 4), LittleEndian(data + 62, 4), 0};
  if ((compression == 6 || headerSize >= 56) && size >= 70) m.alpha = LittleEndian(data + 66, 4);
  return m;
}

void StretchSixteenBitChannels(QImage& argb, const Bmp16Masks& masks) {
  const ChannelStretch r(masks.red), g(masks.green), b(masks.blue), a(masks.alpha);
  for (int y = 0; y < argb.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(argb.scanLine(y));
    for (int x = 0; x < argb.width(); ++x)
      row[x] = qRgba(r.to[qRed(row[x])], g.to[qGreen(row[x])], b.to[qBlue(row[x])],
                     masks.alpha ? a.to[qAlpha(row[x])] : qAlpha(row[x]));
  }
}

}  // namespace

FrameBitmap DecodeBmp(const std::uint8_t* data, std::size_t size, const DecodeOptions& options) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "bmp");
  reader.setDecideFormatFromContent(false);
  // Our own limit below decides; Qt's default would refuse large pictures with a vaguer text.
  QImageReader::setAllocationLimit(static_cast<int>(std::min<std::int64_t>(options.MaxPixels * 4 / (1024 * 1024) + 1, 1 << 30)));
  const QSize declared = reader.size();
  if (declared.isValid()) CheckDecodeSize(declared.width(), declared.height(), options);
  QImage image;
  if (!reader.read(&image) || image.isNull()) {
    const QString reason = reader.errorString();
    throw DecodeFailure(reason.isEmpty() ? QStringLiteral("Unable to read BMP file") : reason);
  }
  CheckDecodeSize(image.width(), image.height(), options);
  if (IsTruncatedUncompressedBmp(data, size)) throw DecodeFailure(QStringLiteral("Premature end of BMP file"));

  FrameBitmap bitmap(image.width(), image.height());
  const std::optional<Bmp16Masks> sixteenBit = SixteenBitMasks(data, size);
  if (sixteenBit) {
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    StretchSixteenBitChannels(image, *sixteenBit);
  }
  if (image.hasAlphaChannel()) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int mb = BlueOf(options.Matte), mg = GreenOf(options.Matte), mr = RedOf(options.Matte);
    for (int y = 0; y < bitmap.Height; ++y) {
      const auto* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
      std::uint8_t* dst = bitmap.Row(y);
      for (int x = 0; x < bitmap.Width; ++x, dst += 3) {
        const int a = qAlpha(src[x]);
        dst[0] = ComposeOver(qBlue(src[x]), a, mb);
        dst[1] = ComposeOver(qGreen(src[x]), a, mg);
        dst[2] = ComposeOver(qRed(src[x]), a, mr);
      }
    }
  } else {
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    for (int y = 0; y < bitmap.Height; ++y) std::memcpy(bitmap.Row(y), bgr.constScanLine(y), bitmap.RowBytes());
  }
  return bitmap;
}
