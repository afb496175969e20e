#pragma once
// Builders for ID3 tags, byte by byte, so each test shows the bytes it reads.
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

Bytes Ascii(const std::string& text);
Bytes Concat(std::initializer_list<Bytes> parts);
// Encoding byte 0 followed by the raw bytes.
Bytes Latin(const Bytes& raw);
// Encoding byte 1, a byte-order mark and the UTF-16 text in that order.
Bytes Utf16(const std::u16string& text, bool bigEndian, bool withMark = true);

// One frame of version 2 (3-byte size) or 3 and 4 (4-byte size, flags).
Bytes Frame(int version, const std::string& id, const Bytes& payload, uint8_t flags2 = 0);
// "ID3", version, revision 0, flags and the seven-bit size of `body`
// (or `declaredSize` when given), then the body.
Bytes Id3v2(int version, const Bytes& body, uint8_t flags = 0, long declaredSize = -1);

struct V1Fields {
  Bytes title, artist, album, comment;
  int track = -1;  // -1: version 1.0
  uint8_t padding = 0;
};
Bytes Id3v1(const V1Fields& f);

void WriteFile(const std::string& path, const Bytes& bytes);
