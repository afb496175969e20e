#include "music/TagText.h"

#include <algorithm>

#include "platform/Cp932.h"

QString DecodeCp932Field(std::span<const uint8_t> bytes) {
  const auto zero = std::find(bytes.begin(), bytes.end(), 0);
  size_t length = static_cast<size_t>(zero - bytes.begin());
  // Step over whole characters to see whether the last one is complete.
  size_t i = 0;
  while (i < length) i += IsCp932LeadByte(bytes[i]) ? 2 : 1;
  if (i > length) --length;
  return DecodeCp932(QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(length)));
}

QString DecodeUtf16Tag(std::span<const uint8_t> bytes) {
  bool bigEndian = false;
  if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) bigEndian = true;
  QString text;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const uint16_t unit = bigEndian ? static_cast<uint16_t>(bytes[i] << 8 | bytes[i + 1])
                                    : static_cast<uint16_t>(bytes[i + 1] << 8 | bytes[i]);
    if (unit == 0) break;
    if (unit == 0xFEFF || unit == 0xFFFE) continue;
    text += QChar(unit);
  }
  return text;
}

namespace {
bool IsBlank(QChar c) { return c.unicode() <= 0x20; }
}  // namespace

QString TrimTagTextEnd(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return text.left(end);
}

QString TrimTagText(const QString& text) {
  qsizetype begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  return TrimTagTextEnd(text.mid(begin));
}
