#include "engine/ImageError.h"

ImageError::ImageError(const QString& file, const QString& reason)
    : std::runtime_error((file.isEmpty() ? reason : file + QStringLiteral(": ") + reason).toStdString()),
      file_(file),
      reason_(reason) {}

QString ImageError::Message() const {
  if (file_.isEmpty()) return QStringLiteral("画像を処理できませんでした。\r") + reason_;
  return QStringLiteral("画像ファイルを読み込めませんでした。\r") + file_ + QStringLiteral("\r") + reason_;
}

QString ImageError::OneLine() const {
  QString line = file_.isEmpty() ? reason_ : file_ + QStringLiteral(": ") + reason_;
  line.replace(QLatin1Char('\r'), QLatin1Char(' '));
  line.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return line;
}

QString OutOfMemoryReason() { return QStringLiteral("メモリが足りません。"); }
