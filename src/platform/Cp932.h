#pragma once
// Code page 932 (Shift-JIS with the Windows extensions) through iconv.
#include <QByteArray>
#include <QString>

// The CP932 bytes of text; false in *ok (and an empty result) when text holds
// a character CP932 cannot represent.
QByteArray EncodeCp932(const QString& text, bool* ok = nullptr);

// The text of CP932 bytes. A byte sequence that is not CP932 becomes U+FFFD
// and decoding goes on with the next byte, so a damaged line still reads.
QString DecodeCp932(const QByteArray& bytes);

// True when b starts a double-byte character of CP932 (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsCp932LeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
