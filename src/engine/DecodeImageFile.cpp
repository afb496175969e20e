#include "engine/DecodeImageFile.h"

#include <QFile>
#include <QFileInfo>

#include "engine/ImageDecoders.h"
#include "engine/ImageError.h"

namespace {
// Larger files are refused unread: no picture within the size limits needs more.
constexpr qint64 kMaxFileBytes = qint64(1) << 30;
}  // namespace

ImageFormat ImageFormatOfPath(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg") || ext == QLatin1String("jpe")) return ImageFormat::Jpeg;
  if (ext == QLatin1String("bmp")) return ImageFormat::Bmp;
  if (ext == QLatin1String("gif")) return ImageFormat::Gif;
  if (ext == QLatin1String("png")) return ImageFormat::Png;
  return ImageFormat::Unknown;
}

FrameBitmap DecodeImageFile(const QString& path, const DecodeOptions& options) {
  const ImageFormat format = ImageFormatOfPath(path);
  if (format == ImageFormat::Unknown) throw ImageError(path, QStringLiteral("対応していない画像形式です。"));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw ImageError(path, QStringLiteral("ファイルを開けません（%1）。").arg(file.errorString()));
  if (file.size() > kMaxFileBytes) throw ImageError(path, QStringLiteral("ファイルが大きすぎます。"));
  try {
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw ImageError(path, QStringLiteral("ファイルを読めません（%1）。").arg(file.errorString()));
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const auto size = static_cast<std::size_t>(bytes.size());
    switch (format) {
      case ImageFormat::Jpeg: return DecodeJpeg(data, size, options);
      case ImageFormat::Bmp: return DecodeBmp(data, size, options);
      case ImageFormat::Gif: return DecodeGif(data, size, options);
      case ImageFormat::Png: return DecodePng(data, size, options);
      case ImageFormat::Unknown: break;
    }
  } catch (const DecodeFailure& failure) {
    throw ImageError(path, failure.Reason());
  } catch (const std::bad_alloc&) {
    throw ImageError(path, OutOfMemoryReason());
  }
  throw ImageError(path, QStringLiteral("対応していない画像形式です。"));
}
