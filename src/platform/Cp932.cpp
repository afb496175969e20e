#include "platform/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <string>

namespace {

// One conversion descriptor per direction, opened on first use. The program
// has one thread of its own, so a shared descriptor is safe.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts in; returns false at the first invalid or incomplete sequence,
  // with *consumed telling how far input got.
  bool convert(const char* in, size_t inLength, std::string& out, size_t* consumed) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in);
    size_t srcLeft = inLength;
    char buffer[1024];
    bool ok = true;
    while (srcLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, dst - buffer);
      if (r == static_cast<size_t>(-1) && errno != E2BIG) {
        ok = false;
        break;
      }
    }
    *consumed = inLength - srcLeft;
    return ok;
  }

 private:
  iconv_t cd_;
};

Converter& ToCp932() {
  static Converter c("CP932", "UTF-8");
  return c;
}

Converter& FromCp932() {
  static Converter c("UTF-8", "CP932");
  return c;
}

}  // namespace

QByteArray EncodeCp932(const QString& text, bool* ok) {
  if (ok) *ok = true;
  if (text.isEmpty()) return {};
  const QByteArray utf8 = text.toUtf8();
  Converter& c = ToCp932();
  std::string out;
  size_t consumed = 0;
  if (!c.valid() || !c.convert(utf8.constData(), utf8.size(), out, &consumed)) {
    if (ok) *ok = false;
    return {};
  }
  return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

QString DecodeCp932(const QByteArray& bytes) {
  Converter& c = FromCp932();
  if (!c.valid()) return QString::fromLatin1(bytes);
  std::string out;
  const char* p = bytes.constData();
  size_t left = bytes.size();
  while (left > 0) {
    size_t consumed = 0;
    if (c.convert(p, left, out, &consumed)) break;
    // Skip one byte of the bad sequence and mark it.
    out.append("\xEF\xBF\xBD");
    p += consumed + 1;
    left -= consumed + 1;
  }
  return QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size()));
}
