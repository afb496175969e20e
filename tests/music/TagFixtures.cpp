#include "TagFixtures.h"

#include <fstream>

Bytes Ascii(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes Latin(const Bytes& raw) { return Concat({{0}, raw}); }

Bytes Utf16(const std::u16string& text, bool bigEndian, bool withMark) {
  Bytes out = {1};
  auto put = [&](char16_t unit) {
    const auto hi = static_cast<uint8_t>(unit >> 8), lo = static_cast<uint8_t>(unit & 0xFF);
    if (bigEndian) out.insert(out.end(), {hi, lo});
    else out.insert(out.end(), {lo, hi});
  };
  if (withMark) put(0xFEFF);
  for (char16_t c : text) put(c);
  return out;
}

Bytes Frame(int version, const std::string& id, const Bytes& payload, uint8_t flags2) {
  Bytes out = Ascii(id);
  const auto n = static_cast<uint32_t>(payload.size());
  if (version == 2) {
    out.insert(out.end(), {uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)});
  } else {
    out.insert(out.end(), {uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n), 0, flags2});
  }
  out.insert(out.end(), payload.begin(), payload.end());
  return out;
}

Bytes Id3v2(int version, const Bytes& body, uint8_t flags, long declaredSize) {
  const auto n = static_cast<uint32_t>(declaredSize >= 0 ? declaredSize : static_cast<long>(body.size()));
  Bytes out = {'I', 'D', '3', uint8_t(version), 0, flags,
               uint8_t((n >> 21) & 0x7F), uint8_t((n >> 14) & 0x7F), uint8_t((n >> 7) & 0x7F), uint8_t(n & 0x7F)};
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

Bytes Id3v1(const V1Fields& f) {
  Bytes out = Ascii("TAG");
  auto field = [&](const Bytes& b, size_t size) {
    for (size_t i = 0; i < size; ++i) out.push_back(i < b.size() ? b[i] : f.padding);
  };
  field(f.title, 30);
  field(f.artist, 30);
  field(f.album, 30);
  field(Ascii("2009"), 4);
  if (f.track >= 0) {
    field(f.comment, 28);
    out.push_back(0);
    out.push_back(static_cast<uint8_t>(f.track));
  } else {
    field(f.comment, 30);
  }
  out.push_back(12);  // genre
  return out;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}
