#include "music/TagText.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

QString DecodeCp932(std::span<const uint8_t> bytes) {
  const auto zero = std::find(bytes.begin(), bytes.end(), 0);
  bytes = bytes.first(static_cast<size_t>(zero - bytes.begin()));
  if (bytes.empty()) return {};
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  QString text;
  std::vector<char> out(bytes.size() * 3 + 4);
  char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
  size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char* outPtr = out.data();
    size_t outLeft = out.size();
    const size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    text += QString::fromUtf8(out.data(), outPtr - out.data());
    if (result != static_cast<size_t>(-1)) break;
    if (errno == EILSEQ) {
      text += QChar(0xFFFD);
      ++in;
      --inLeft;
    } else {
      break;  // EINVAL: a lead byte without its trail byte at the end
    }
  }
  iconv_close(cd);
  return text;
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
