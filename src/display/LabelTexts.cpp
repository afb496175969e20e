#include "display/LabelTexts.h"

#include <QDir>
#include <QFileInfo>

#include "library/OptionItems.h"

namespace {

int DigitsFor(int total, int maxDigits) {
  int limit = 100;  // totals below limit take `digits` digits
  for (int digits = 2; digits <= maxDigits; ++digits, limit *= 10) {
    if (total >= 1 && total < limit) return digits;
  }
  return 0;  // plain decimal
}

QString Padded(int value, int digits) {
  if (digits == 0) return QString::number(value);
  return QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

}  // namespace

QString FormatCount(int position, int total, int maxDigits) {
  const int digits = DigitsFor(total, maxDigits);
  return Padded(position, digits) + QLatin1Char('/') + Padded(total, digits);
}

QString ImageNameText(int selectGName, const QString& currentImageFile, int imageOrder,
                      int folderPlayIndex, int folderCount) {
  const QString star = QStringLiteral("★");
  const QFileInfo info(currentImageFile);
  if (selectGName != 1) return star + info.fileName();
  QString numbering;
  if (imageOrder != kOrderLoopOrAll) {
    numbering = FormatCount(folderPlayIndex + 1, folderCount, 5) + QStringLiteral(". ");
  }
  return star + numbering + info.dir().dirName();
}

QString ImageOrderSuffix(int imageOrder, int folderOrder) {
  const bool imageShuffle = imageOrder == kOrderShuffle;
  if (imageOrder == kOrderLoopOrAll) return QStringLiteral(" All Image Shuffle");
  if (folderOrder == kOrderLoopOrAll) {
    return imageShuffle ? QStringLiteral(" Folder Loop Image Shuffle") : QStringLiteral(" Folder Loop");
  }
  if (folderOrder == kOrderShuffle) {
    return imageShuffle ? QStringLiteral(" Folder Shuffle Image Shuffle")
                        : QStringLiteral(" Folder Shuffle");
  }
  return imageShuffle ? QStringLiteral(" Image Shuffle") : QString();
}

QString ImageCountText(int currentImageIndex, int imageCount, int imageOrder, int folderOrder) {
  return FormatCount(currentImageIndex + 1, imageCount) + ImageOrderSuffix(imageOrder, folderOrder);
}

QString FormatLabelDate(const QDateTime& t) {
  return t.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

QDateTime ParseExifDateTime(const QString& text) {
  // Exif pads the text with NULs or blanks in some cameras.
  const QString trimmed = text.trimmed().left(19);
  return QDateTime::fromString(trimmed, QStringLiteral("yyyy:MM:dd HH:mm:ss"));
}

QString DateLabelText(const QString& exifDateTimeOriginal, const QDateTime& fileModified) {
  if (!exifDateTimeOriginal.isEmpty()) {
    const QDateTime shot = ParseExifDateTime(exifDateTimeOriginal);
    if (shot.isValid()) return FormatLabelDate(shot);
  }
  return QStringLiteral("File ") + FormatLabelDate(fileModified.toLocalTime());
}

QString ClockText(const QTime& t) { return t.toString(QStringLiteral("HH:mm:ss")); }

const std::array<const char*, kKeyGuideLineCount> kKeyGuideLines = {
    "右クリックでメニュー表示",
    "スライドショー開始/一時停止： Space",
    "スライドショー停止： Esc",
    "前のフォルダ： Ctrl + ←",
    "次のフォルダ： Ctrl + →",
    "前の画像(一時停止時)： ←",
    "次の画像(一時停止時)： →",
    "前のBGM： Shift + ←",
    "次のBGM： Shift + →",
    "音量を上げる： ↑",
    "音量を下げる： ↓",
    "音量のリセット： Enter",
    "画像ファイル/フォルダ名： Alt + G",
    "画像枚数： Alt + N",
    "撮影日付（ファイル日付）： Alt + D",
    "BGM曲名： Alt + B",
    "再生状態： Alt + S",
    "アートワーク： Alt + A",
    "時刻： Alt + C",
    "Exif情報： Alt + E",
    "ガイド： Alt + U",
    "ラベルを全て表示： Alt + V",
    "ラベルを全て非表示： Alt + H",
    "Brinmoraの終了： Alt + F4",
};

QString KeyGuideLine(int position) {
  const int p = position < 0 ? 0 : position % kKeyGuideLineCount;
  return QString::fromUtf8(kKeyGuideLines[static_cast<std::size_t>(p)]);
}

int NextKeyGuidePosition(int position) {
  const int current = position < 0 ? 0 : position % kKeyGuideLineCount;
  return (current + 1) % kKeyGuideLineCount;
}
