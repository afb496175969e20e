#include "ExifFixture.h"

namespace {

int TypeSize(int type) {
  switch (type) {
    case 1: case 2: case 6: case 7: return 1;
    case 3: case 8: return 2;
    case 4: case 9: case 11: return 4;
    default: return 8;
  }
}

struct Writer {
  bool big;
  QByteArray out;
  void U8(std::uint32_t v) { out.append(static_cast<char>(v & 0xFF)); }
  void U16(std::uint32_t v) {
    if (big) { U8(v >> 8); U8(v); } else { U8(v); U8(v >> 8); }
  }
  void U32(std::uint32_t v) {
    if (big) { U16(v >> 16); U16(v); } else { U16(v); U16(v >> 16); }
  }
};

QByteArray ValueBytes(const ExifTag& t, bool big, std::uint32_t& count) {
  Writer w{big, {}};
  if (t.type == 2 || t.type == 7) {
    w.out = QByteArray::fromStdString(t.text);
    if (t.type == 2) w.out.append('\0');
    count = static_cast<std::uint32_t>(w.out.size());
    return w.out;
  }
  for (std::int64_t v : t.ints) {
    const int size = TypeSize(t.type);
    if (size == 1) w.U8(static_cast<std::uint32_t>(v));
    else if (size == 2) w.U16(static_cast<std::uint32_t>(v));
    else w.U32(static_cast<std::uint32_t>(v));
  }
  count = static_cast<std::uint32_t>(t.type == 5 || t.type == 10 ? t.ints.size() / 2 : t.ints.size());
  return w.out;
}

}  // namespace

QByteArray BuildTiff(const ExifFixture& f) {
  std::vector<ExifTag> dirs[5] = {f.ifd0, f.exif, f.gps, f.interop, f.ifd1};
  auto has = [](const std::vector<ExifTag>& d, int tag) {
    for (const auto& t : d)
      if (t.tag == tag) return true;
    return false;
  };
  // Pointer tags get their offsets once the layout is known.
  if (!f.exif.empty() && !has(dirs[0], 34665)) dirs[0].push_back({34665, 4, {0}});
  if (!f.gps.empty() && !has(dirs[0], 34853)) dirs[0].push_back({34853, 4, {0}});
  if (!f.interop.empty() && !has(dirs[1], 40965)) dirs[1].push_back({40965, 4, {0}});
  std::uint32_t offsets[5];
  std::uint32_t at = 8;
  for (int d = 0; d < 5; ++d) {
    offsets[d] = dirs[d].empty() ? 0 : at;
    if (!dirs[d].empty()) at += 2 + 12 * static_cast<std::uint32_t>(dirs[d].size()) + 4;
  }
  auto setPointer = [&](int dir, int tag, int target) {
    for (auto& t : dirs[dir])
      if (t.tag == tag && t.ints == std::vector<std::int64_t>{0} && offsets[target]) t.ints = {offsets[target]};
  };
  setPointer(0, 34665, 1);
  setPointer(0, 34853, 2);
  setPointer(1, 40965, 3);

  Writer w{f.bigEndian, {}};
  w.out.append(f.bigEndian ? "MM" : "II");
  w.U16(42);
  w.U32(8);
  QByteArray data;
  const std::uint32_t dataStart = at;
  for (int d = 0; d < 5; ++d) {
    if (dirs[d].empty()) continue;
    w.U16(static_cast<std::uint32_t>(dirs[d].size()));
    for (const ExifTag& t : dirs[d]) {
      w.U16(static_cast<std::uint32_t>(t.tag));
      w.U16(static_cast<std::uint32_t>(t.type));
      std::uint32_t count = 0;
      QByteArray value = ValueBytes(t, f.bigEndian, count);
      if (t.rawCount) {
        w.U32(*t.rawCount);
        w.U32(t.rawOffset.value_or(0));
        continue;
      }
      w.U32(count);
      if (value.size() <= 4) {
        value.append(QByteArray(4 - value.size(), '\0'));
        w.out.append(value);
      } else {
        w.U32(dataStart + static_cast<std::uint32_t>(data.size()));
        data.append(value);
      }
    }
    const std::uint32_t next = d == 0 ? f.ifd1Offset.value_or(offsets[4]) : 0;
    w.U32(next);
  }
  return w.out + data;
}

QByteArray BuildExifJpeg(const QByteArray& tiff, int frameWidth, int frameHeight, const QByteArray& segmentsBeforeApp1) {
  QByteArray out("\xFF\xD8", 2);
  out.append(segmentsBeforeApp1);
  const int length = static_cast<int>(tiff.size()) + 8;
  out.append("\xFF\xE1", 2);
  out.append(static_cast<char>(length >> 8));
  out.append(static_cast<char>(length & 0xFF));
  out.append(QByteArray("Exif\0\0", 6));
  out.append(tiff);
  if (frameWidth > 0) {
    const char sof[] = {'\xFF', '\xC0', 0, 11, 8, static_cast<char>(frameHeight >> 8), static_cast<char>(frameHeight & 0xFF),
                        static_cast<char>(frameWidth >> 8), static_cast<char>(frameWidth & 0xFF), 1, 1, 0x11, 0};
    out.append(sof, sizeof sof);
  }
  out.append("\xFF\xD9", 2);
  return out;
}
