#pragma once
// Turning the bytes of tag fields into text.
#include <QString>
#include <cstdint>
#include <span>

// Raw bytes in the program's text encoding (code page 932), up to the first
// zero byte. A byte sequence that is not CP932 becomes U+FFFD; a double-byte
// character cut off at the end is dropped.
QString DecodeCp932(std::span<const uint8_t> bytes);

// 16-bit units, low byte first unless the text starts with the big-endian
// mark FE FF, up to the first zero unit. Byte-order marks are dropped.
QString DecodeUtf16Tag(std::span<const uint8_t> bytes);

// Removes leading and trailing characters of value 0x20 or less.
QString TrimTagText(const QString& text);
// Removes trailing characters of value 0x20 or less only.
QString TrimTagTextEnd(const QString& text);
