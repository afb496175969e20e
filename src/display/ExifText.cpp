#include "display/ExifText.h"

#include <QStringDecoder>

#include "platform/Cp932.h"

QString ExifText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) text = DecodeCp932(bytes);
  for (QChar& c : text)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char(' ');
  return text;
}
